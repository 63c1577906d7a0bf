#pragma once

#include "pluginterfaces/base/ipluginbase.h"

#include <string>
#include <vector>

namespace velqa::host
{

struct ClassDescription
{
    Steinberg::TUID classId{};
    std::string idText; // 32 hex digits in the GUID text form
    std::string name;
    std::string category;
    std::string subCategories;
    std::string vendor;
    std::string version;
    std::string sdkVersion;
    Steinberg::int32 cardinality = 0;
    Steinberg::uint32 classFlags = 0;
    int infoLevel = 1; // 1, 2 or 3: which factory interface answered
};

struct FactoryDescription
{
    std::string vendor;
    std::string url;
    std::string email;
    Steinberg::int32 flags = 0;
    std::vector<ClassDescription> classes;
};

// Reads everything a factory tells about itself, using its richest interface (3, 2, then 1).
FactoryDescription describeFactory(Steinberg::IPluginFactory* factory);

std::string classIdText(const Steinberg::TUID classId);

} // namespace velqa::host
