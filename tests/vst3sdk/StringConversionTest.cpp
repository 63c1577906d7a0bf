#include "base/source/fstring.h"
#include "pluginterfaces/base/unicodeconvert.h"
#include "public.sdk/source/vst/utility/stringconvert.h"

#include <gtest/gtest.h>

#include <string>

using namespace Steinberg;

TEST(StringConversion, Utf8RoundTripsThroughUtf16IncludingSurrogatePairs)
{
    const std::string text = "A\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E"; // A é € 𝄞
    const std::u16string wide = VST3::StringConvert::convert(text);
    EXPECT_EQ(wide, u"Aé€\U0001D11E");
    EXPECT_EQ(wide.size(), 5u);
    EXPECT_EQ(VST3::StringConvert::convert(wide), text);

    String fromNarrow(text.c_str());
    EXPECT_EQ(fromNarrow.length(), 5);
    EXPECT_STREQ(fromNarrow.text8(), text.c_str());
}

TEST(StringConversion, MalformedInputBecomesReplacementCharacters)
{
    // Lone continuation byte, truncated sequence, overlong '/', encoded surrogate, lone
    // UTF-16 surrogate: each gives U+FFFD and the text after it survives.
    EXPECT_EQ(VST3::StringConvert::convert(std::string("a\x80z")), u"a\uFFFDz");
    EXPECT_EQ(VST3::StringConvert::convert(std::string("a\xE2\x82")), u"a\uFFFD\uFFFD");
    EXPECT_EQ(VST3::StringConvert::convert(std::string("\xC0\xAFx")), u"\uFFFDx");
    EXPECT_EQ(VST3::StringConvert::convert(std::string("\xED\xA0\x80x")), u"\uFFFDx");
    const char16 lone[] = {u'a', 0xD800, u'b', 0};
    EXPECT_EQ(VST3::StringConvert::convert(lone), "a\xEF\xBF\xBD"
                                                  "b");
}

TEST(StringConversion, TruncationNeverSplitsACharacter)
{
    char16 small[3];
    EXPECT_EQ(utf8ToUtf16(small, 3, "a\xF0\x9D\x84\x9E"), 1);
    EXPECT_EQ(std::u16string(small), u"a");

    char8 narrow[4];
    String("x\xE2\x82\xAC").copyTo8(narrow, 0, 3); // room for 3 bytes: "x" and not half a euro
    EXPECT_STREQ(narrow, "x");

    // A String128 field takes 127 characters and the terminator.
    Vst::String128 field;
    EXPECT_FALSE(VST3::StringConvert::convert(std::string(200, 'q'), field));
    EXPECT_EQ(std::u16string(field).size(), 127u);
    String(std::string(200, 'q').c_str()).copyTo16(field, 0, 127);
    EXPECT_EQ(std::u16string(field).size(), 127u);
}
