#include "host/MemoryStream.h"

#include <gtest/gtest.h>

using namespace Steinberg;
using velqa::host::MemoryStream;

// Short reads at every length are what the state truncation tests run through this stream.
TEST(MemoryStream, SeekModesAndLimits)
{
    MemoryStream stream({0, 1, 2, 3, 4, 5, 6, 7});
    int64 at = -1;
    ASSERT_EQ(stream.seek(-2, IBStream::kIBSeekEnd, &at), kResultOk);
    EXPECT_EQ(at, 6);
    ASSERT_EQ(stream.seek(-1, IBStream::kIBSeekCur, &at), kResultOk);
    EXPECT_EQ(at, 5);
    std::uint8_t byte = 0;
    stream.read(&byte, 1, nullptr);
    EXPECT_EQ(byte, 5);

    // Refused seeks leave the position where it was.
    EXPECT_EQ(stream.seek(-1, IBStream::kIBSeekSet, &at), kInvalidArgument);
    EXPECT_EQ(stream.seek(kMaxInt64, IBStream::kIBSeekCur, &at), kInvalidArgument);
    EXPECT_EQ(stream.seek(0, 7, &at), kInvalidArgument);
    stream.tell(&at);
    EXPECT_EQ(at, 6);
    EXPECT_EQ(stream.tell(nullptr), kInvalidArgument);
}

TEST(MemoryStream, WritesOverwriteGrowAndFillGaps)
{
    MemoryStream stream({9, 9, 9});
    std::uint8_t two[] = {1, 2};
    int32 written = 0;
    stream.seek(1, IBStream::kIBSeekSet, nullptr);
    ASSERT_EQ(stream.write(two, 2, &written), kResultOk);
    EXPECT_EQ(written, 2);
    EXPECT_EQ(stream.bytes(), (std::vector<std::uint8_t>{9, 1, 2}));

    stream.seek(2, IBStream::kIBSeekEnd, nullptr);
    stream.write(two, 2, &written);
    EXPECT_EQ(stream.bytes(), (std::vector<std::uint8_t>{9, 1, 2, 0, 0, 1, 2}));

    // A position beyond what an int32 stream can hold refuses the write.
    stream.seek(kMaxInt32, IBStream::kIBSeekSet, nullptr);
    EXPECT_EQ(stream.write(two, 2, &written), kOutOfMemory);
    EXPECT_EQ(written, 0);
    EXPECT_EQ(stream.bytes().size(), 7u);
}
