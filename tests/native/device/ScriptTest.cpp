#include "device/Script.h"
#include "common/TextUtf.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseScript, ReadsTheDemoSession)
{
    const ScriptParse parse = ParseScript(
        "# the demo\n"
        "tap keyboard\n"
        "type Hello, world!\\n\n"
        "type  Second line\\s\r\n"
        "key char_ok\n"
        "\n"
        "screenshot out/bar.png bar\n"
        "screenshot out/all.bmp\n"
        "rotate\n"
        "hand right\n"
        "wait 250\n");
    ASSERT_EQ("", parse.error);
    ASSERT_EQ(9u, parse.commands.size());
    EXPECT_EQ(ScriptVerb::Tap, parse.commands[0].verb);
    EXPECT_EQ("keyboard", parse.commands[0].argument);
    EXPECT_EQ(2, parse.commands[0].nLine);
    EXPECT_EQ("Hello, world!\n", parse.commands[1].argument);
    EXPECT_EQ(" Second line ", parse.commands[2].argument);
    EXPECT_EQ(ScriptVerb::Key, parse.commands[3].verb);
    EXPECT_EQ("bar", parse.commands[4].region);
    EXPECT_EQ("screen", parse.commands[5].region);
    EXPECT_EQ("out/all.bmp", parse.commands[5].argument);
    EXPECT_EQ(ScriptVerb::Rotate, parse.commands[6].verb);
    EXPECT_EQ("right", parse.commands[7].argument);
    EXPECT_EQ(7, BarButtonByName("options"));
    EXPECT_EQ(-1, BarButtonByName("Options"));
}

TEST(ParseScript, NamesTheLineOfTheFirstMistake)
{
    const struct { const char* pszScript; const char* pszError; } cases[] = {
        {"tap\n", "line 1: tap needs a bar button"},
        {"tap keyboard\ntap nothing\n", "line 2: tap needs a bar button"},
        {"jump\n", "line 1: unknown command jump"},
        {"type a\\q\n", "line 1: bad escape"},
        {"type\n", "line 1: type needs a text"},
        {"hand both\n", "line 1: hand is left or right"},
        {"rotate now\n", "line 1: rotate takes no argument"},
        {"wait soon\n", "line 1: wait needs milliseconds"},
        {"screenshot\n", "line 1: screenshot FILE"},
        {"screenshot a.png sky\n", "line 1: unknown screenshot region"},
        {"key\n", "line 1: key needs an argument"},
    };
    for (const auto& c : cases)
    {
        const ScriptParse parse = ParseScript(c.pszScript);
        EXPECT_EQ(0u, parse.error.find(c.pszError)) << c.pszScript << " gave " << parse.error;
        EXPECT_TRUE(parse.commands.empty());
    }
}

TEST(Utf, ConvertsBothWaysAndReplacesBrokenBytes)
{
    EXPECT_EQ(u"Gr\u00fc\u00dfe \u20ac \U0001F600", Utf8ToUtf16("Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC \xF0\x9F\x98\x80"));
    EXPECT_EQ("Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC \xF0\x9F\x98\x80", Utf16ToUtf8(u"Gr\u00fc\u00dfe \u20ac \U0001F600"));
    EXPECT_EQ(u"a\uFFFDb", Utf8ToUtf16("a\xFF" "b"));
    EXPECT_EQ(u"\uFFFD\uFFFD", Utf8ToUtf16("\xE2\x82")) << "each byte of a cut sequence";
    EXPECT_EQ("\xEF\xBF\xBD", Utf16ToUtf8(std::u16string(1, char16_t(0xD800))));
}

}  // namespace

namespace {

TEST(ParseScript, ReadsChecksWithTheirTexts)
{
    const ScriptParse parse = ParseScript("expect-text a\\nb\nexpect-text\nexpect-message Device resolution is not supported.\n"
                                          "expect-no-message\nexpect-keyboard closed\nexpect-background\nwrite  x\n");
    ASSERT_EQ("", parse.error);
    ASSERT_EQ(7u, parse.commands.size());
    EXPECT_EQ(ScriptVerb::ExpectText, parse.commands[0].verb);
    EXPECT_EQ("a\nb", parse.commands[0].argument);
    EXPECT_EQ("", parse.commands[1].argument) << "an empty notes application";
    EXPECT_EQ("Device resolution is not supported.", parse.commands[2].argument);
    EXPECT_EQ(ScriptVerb::ExpectNoMessage, parse.commands[3].verb);
    EXPECT_EQ("closed", parse.commands[4].argument);
    EXPECT_EQ(ScriptVerb::ExpectBackground, parse.commands[5].verb);
    EXPECT_EQ(" x", parse.commands[6].argument);
    EXPECT_NE("", ParseScript("expect-keyboard ajar\n").error);
    EXPECT_NE("", ParseScript("write\n").error);
}

}  // namespace
