#pragma once
// The list of preset files from the factory folder (inside the bundle) and the user's folder,
// with the sorting and position bookkeeping the preset browser needs. Applying a preset is the
// effect's job; this class only finds, describes and names files.

#include "code/StateChunk.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velqa
{

constexpr char kPresetFileMagic[] = "VQPRESET_";
constexpr size_t kPresetFileMagicBytes = sizeof kPresetFileMagic - 1;
constexpr char kPresetExtension[] = ".vqx";
// Folder and path limits of the entry records; longer paths are refused, never cut.
constexpr size_t kPresetFolderSize = 2048;
constexpr size_t kPresetPathSize = 2050;

struct PresetEntry
{
    char category[kPresetTextSize] = {};
    char author[kPresetTextSize] = {};
    char name[kPresetTextSize] = {};
    char third[kPresetTextSize] = {};
    char fourth[kPresetTextSize] = {};
    char path[kPresetPathSize] = {};
    bool current = false;
};

enum PresetSortMode : int32_t
{
    kSortByName = 0,
    kSortByAuthor = 1,
    kSortByCategory = 2,
};

enum PresetSaveResult : int32_t
{
    kPresetSaved = 0,
    kPresetExists = 1,
    kPresetWriteFailed = 2,
};

class CPresetStore
{
public:
    CPresetStore();

    // The bundle's Contents/Resources/Presets/ and documents + Kestrune/Velqa/; empty when
    // unknown or too long for the entry records.
    static std::string defaultFactoryFolder();
    static std::string defaultUserFolder();
    // Replaces the default folders (an empty string means none); the list is not rescanned.
    void setFolders(std::string factory, std::string user);
    const std::string& factoryFolder() const { return factory; }
    const std::string& userFolder() const { return user; }
    // Creates the missing levels of the user folder; false when it does not exist afterwards.
    bool createUserFolder() const;

    void rescan();
    void sort(int32_t mode);
    int32_t sortMode() const { return mode; }

    int32_t size() const { return static_cast<int32_t>(entries.size()); }
    const PresetEntry* at(int32_t position) const;
    int32_t currentPosition() const { return current; }
    void setCurrentPosition(int32_t position) { current = position; }
    // The position a step would load, with wrap-around; -1 for an empty list.
    int32_t stepTarget(bool forward) const;

    // Reads one file's description; false for unreadable, short or foreign files.
    static bool describeFile(const std::string& folder, const std::string& fileName,
                             PresetEntry& entry);
    // folder + sanitised name + ".vqx"; empty when the result would not fit the path record.
    static std::string userPresetPath(const std::string& folder, const char* name);

private:
    std::vector<PresetEntry> entries;
    std::string factory;
    std::string user;
    int32_t current = -1;
    int32_t mode = kSortByName;
};

} // namespace velqa
