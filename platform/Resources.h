#pragma once

// Module resources (PNG images, fonts) by name.
//
// The lookup lives here and knows nothing of the data: the resource library registers its table
// through setResourceTable() (the module calls registerEmbeddedResources() at start-up). So
// everything that links the platform layer stays free of megabytes of artwork, and tests can
// install a table of their own.

#include <cstddef>

namespace velqa
{

struct ResourceEntry
{
    const char* name;
    const unsigned char* data;
    std::size_t size;
};

struct ResourceTable
{
    const ResourceEntry* entries;
    std::size_t count;
};

// A found resource, or an empty one (null data, size 0) when the name is unknown.
struct ResourceData
{
    const unsigned char* data = nullptr;
    std::size_t size = 0;

    bool empty() const { return data == nullptr || size == 0; }
};

// The table must outlive every lookup; passing null removes it.
void setResourceTable(const ResourceTable* table);

// Names compare ASCII case-insensitively, as resource names do on the original platform.
// A null or unknown name gives an empty result; this never fails otherwise.
ResourceData findResource(const char* name);

} // namespace velqa
