#include "platform/Resources.h"

#include <atomic>

namespace velqa
{

namespace
{

std::atomic<const ResourceTable*> installed{nullptr};

bool sameName(const char* a, const char* b)
{
    for (;; ++a, ++b)
    {
        unsigned char x = static_cast<unsigned char>(*a), y = static_cast<unsigned char>(*b);
        if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
        if (x != y) return false;
        if (x == 0) return true;
    }
}

} // namespace

void setResourceTable(const ResourceTable* table)
{
    installed.store(table);
}

ResourceData findResource(const char* name)
{
    const ResourceTable* table = installed.load();
    if (!name || !table || !table->entries) return {};
    for (std::size_t i = 0; i < table->count; ++i)
    {
        const ResourceEntry& e = table->entries[i];
        if (e.name && sameName(e.name, name)) return {e.data, e.size};
    }
    return {};
}

} // namespace velqa
