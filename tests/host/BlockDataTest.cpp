#include "host/EventList.h"
#include "host/ParameterChanges.h"
#include "host/Utf16.h"

#include <gtest/gtest.h>

using namespace Steinberg;
using namespace velqa::host;

TEST(ParamValueQueue, PointsStayOrderedAndBounded)
{
    ParamValueQueue queue(3);
    queue.reset(7);
    int32 index = -1;
    queue.addPoint(10, 0.1, index);
    queue.addPoint(2, 0.2, index);
    EXPECT_EQ(index, 0);
    queue.addPoint(10, 0.3, index); // same offset: replaced, not added
    EXPECT_EQ(index, 1);
    ASSERT_EQ(queue.getPointCount(), 2);

    int32 offset = 0;
    Vst::ParamValue value = 0;
    queue.getPoint(1, offset, value);
    EXPECT_EQ(offset, 10);
    EXPECT_DOUBLE_EQ(value, 0.3);

    EXPECT_EQ(queue.addPoint(5, 0.4, index), kResultOk);
    EXPECT_EQ(queue.addPoint(6, 0.5, index), kResultFalse);
    EXPECT_EQ(queue.addPoint(-1, 0.5, index), kInvalidArgument);
    EXPECT_EQ(queue.getPoint(3, offset, value), kInvalidArgument);
    EXPECT_EQ(queue.getPoint(-1, offset, value), kInvalidArgument);
}

TEST(ParameterChanges, OneQueuePerIdFromAFixedPool)
{
    ParameterChanges changes(2, 4);
    int32 index = -1;
    auto* first = changes.addParameterData(1114, index);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(changes.addParameterData(1114, index), first);
    EXPECT_NE(changes.addParameterData(5, index), nullptr);
    EXPECT_EQ(changes.addParameterData(6, index), nullptr);
    EXPECT_EQ(changes.getParameterCount(), 2);
    EXPECT_EQ(changes.getParameterData(2), nullptr);
    EXPECT_EQ(changes.getParameterData(-1), nullptr);

    // Reused queues start empty and carry their new id.
    ASSERT_TRUE(changes.add(1114, 0, 1.0));
    changes.clear();
    EXPECT_EQ(changes.getParameterCount(), 0);
    ASSERT_TRUE(changes.add(42, 3, 0.5));
    EXPECT_EQ(changes.getParameterData(0)->getParameterId(), 42u);
    EXPECT_EQ(changes.getParameterData(0)->getPointCount(), 1);
}

TEST(EventList, RefusesBeyondCapacity)
{
    EventList events(2);
    Vst::Event e{};
    e.type = Vst::Event::kNoteOnEvent;
    e.noteOn.pitch = 60;
    EXPECT_EQ(events.addEvent(e), kResultOk);
    EXPECT_EQ(events.addEvent(e), kResultOk);
    EXPECT_EQ(events.addEvent(e), kResultFalse);
    Vst::Event out{};
    ASSERT_EQ(events.getEvent(1, out), kResultOk);
    EXPECT_EQ(out.noteOn.pitch, 60);
    EXPECT_EQ(events.getEvent(2, out), kInvalidArgument);
}

TEST(Utf16, RoundTripAndTruncation)
{
    const std::string text = "Gain \xC3\xA9 \xF0\x9F\x8E\xB5"; // e-acute and a note (surrogates)
    Vst::String128 wide{};
    toUtf16(text, wide, 128);
    EXPECT_EQ(toUtf8(wide, 128), text);

    // A surrogate pair that does not fit is dropped whole.
    char16 small[8];
    toUtf16(text, small, 8);
    EXPECT_EQ(toUtf8(small, 8), "Gain \xC3\xA9 ");

    // Unterminated arrays stop at their end; malformed UTF-8 becomes U+FFFD.
    const char16 unterminated[2] = {u'a', u'b'};
    EXPECT_EQ(toUtf8(unterminated, 2), "ab");
    toUtf16("\xFF", small, 8);
    EXPECT_EQ(small[0], 0xFFFD);
    EXPECT_EQ(fromField("abc\0def", 7), "abc");
    EXPECT_EQ(fromField("abcdef", 3), "abc");
}
