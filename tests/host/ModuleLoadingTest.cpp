#include "host/BundleLayout.h"
#include "host/Module.h"

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

using velqa::host::HostError;
using velqa::host::Module;

namespace
{
// A scratch bundle folder that disappears with the test.
class ScratchBundle
{
public:
    ScratchBundle()
    {
        root_ = std::filesystem::temp_directory_path() /
                ("velqa-host-test-" + std::to_string(getpid()) + "-" + std::to_string(counter_++));
        bundle_ = root_ / "Broken.vst3";
        std::filesystem::create_directories(bundle_ / "Contents" / "x86_64-linux");
    }
    ~ScratchBundle() { std::filesystem::remove_all(root_); }
    const std::filesystem::path& path() const { return bundle_; }
    std::filesystem::path library() const { return velqa::host::libraryInBundle(bundle_); }

private:
    static inline int counter_ = 0;
    std::filesystem::path root_;
    std::filesystem::path bundle_;
};
} // namespace

TEST(BundleLayout, LibraryIsNamedAfterTheBundle)
{
    ScratchBundle scratch;
    const auto expected = scratch.path() / "Contents" / "x86_64-linux" / "Broken.so";
    EXPECT_EQ(scratch.library(), expected);
    EXPECT_EQ(velqa::host::libraryInBundle(scratch.path().string() + "/"), expected);
    // A path that is not a folder is taken as the library itself.
    EXPECT_EQ(velqa::host::libraryInBundle("/some/where/Plugin.so"), "/some/where/Plugin.so");
}

TEST(ModuleLoading, FailuresAreReportedNotCrashed)
{
    auto missing = Module::load("/nonexistent/Velqa.vst3");
    EXPECT_EQ(missing.error, HostError::bundleNotFound);
    EXPECT_FALSE(missing.module);

    ScratchBundle empty;
    auto noLibrary = Module::load(empty.path());
    EXPECT_EQ(noLibrary.error, HostError::libraryNotFound);
    EXPECT_EQ(noLibrary.detail, empty.library().string());

    ScratchBundle garbage;
    std::ofstream(garbage.library()) << "not an ELF file";
    auto notLoadable = Module::load(garbage.path());
    EXPECT_EQ(notLoadable.error, HostError::libraryNotLoadable);
    EXPECT_FALSE(notLoadable.detail.empty());
}

TEST(ModuleLoading, EntryPointsAreCheckedInOrder)
{
    const struct
    {
        const char* library;
        HostError expected;
    } cases[] = {
        {FIXTURE_NO_ENTRY, HostError::missingEntryPoint},
        {FIXTURE_REFUSING_ENTRY, HostError::entryRefused},
        {FIXTURE_NO_FACTORY, HostError::missingFactory},
        {FIXTURE_NULL_FACTORY, HostError::noFactory},
    };
    for (const auto& c : cases)
    {
        auto result = Module::load(c.library);
        EXPECT_EQ(result.error, c.expected) << c.library;
        EXPECT_FALSE(result.module) << c.library;
        EXPECT_STRNE(velqa::host::describe(result.error), "unknown error");
    }
}
