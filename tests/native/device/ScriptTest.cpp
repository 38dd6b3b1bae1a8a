#include "device/Script.h"
#include "device/harness/TextUtf.h"

#include <gtest/gtest.h>

namespace {

struct LineCase
{
    const char* pszLine;
    ScriptVerb verb;
    const char* pszArgument;
    const char* pszRegion;
};

const LineCase g_aLines[] = {
    {"tap keyboard", ScriptVerb::Tap, "keyboard", ""},
    {"  key char_ok  ", ScriptVerb::Key, "char_ok", ""},
    {"type Hello, world!\\n", ScriptVerb::Type, "Hello, world!\n", ""},
    {"type  Second line\\s\r", ScriptVerb::Type, " Second line ", ""},   // one space, then the text
    {"write  x\\\\y", ScriptVerb::Write, " x\\y", ""},
    {"screenshot out/bar.png bar", ScriptVerb::Screenshot, "out/bar.png", "bar"},
    {"screenshot out/all.bmp", ScriptVerb::Screenshot, "out/all.bmp", "screen"},
    {"hold strip.png  \xC3\xA9 ", ScriptVerb::Hold, "\xC3\xA9", "strip.png"},
    {"\xEF\xBB\xBFtap keyboard", ScriptVerb::Tap, "keyboard", ""},   // a byte order mark is no part of the verb
    {"rotate", ScriptVerb::Rotate, "", ""},
    {"hand right", ScriptVerb::Hand, "right", ""},
    {"accents off", ScriptVerb::Accents, "off", ""},
    {"wait 250", ScriptVerb::Wait, "250", ""},
    {"expect-text a\\nb", ScriptVerb::ExpectText, "a\nb", ""},
    {"expect-text", ScriptVerb::ExpectText, "", ""},   // an empty notes application
    {"expect-message Device resolution is not supported.", ScriptVerb::ExpectMessage,
     "Device resolution is not supported.", ""},
    {"expect-no-message", ScriptVerb::ExpectNoMessage, "", ""},
    {"expect-keyboard closed", ScriptVerb::ExpectKeyboard, "closed", ""},
    {"expect-background", ScriptVerb::ExpectBackground, "", ""},
};

TEST(ParseScript, ReadsEachVerbWithItsArgument)
{
    for (const LineCase& c : g_aLines)
    {
        const ScriptParse parse = ParseScript(c.pszLine);
        ASSERT_EQ("", parse.error) << c.pszLine;
        ASSERT_EQ(1u, parse.commands.size()) << c.pszLine;
        EXPECT_EQ(c.verb, parse.commands[0].verb) << c.pszLine;
        EXPECT_EQ(c.pszArgument, parse.commands[0].argument) << c.pszLine;
        if (c.verb == ScriptVerb::Screenshot || c.verb == ScriptVerb::Hold)
        {
            EXPECT_EQ(c.pszRegion, parse.commands[0].region) << c.pszLine;
        }
    }
}

TEST(ParseScript, NumbersLinesPastCommentsAndBlanks)
{
    const ScriptParse parse = ParseScript("# the demo\n\ntap keyboard\r\n   \n  # indented\nok\n");
    ASSERT_EQ("", parse.error);
    ASSERT_EQ(2u, parse.commands.size());
    EXPECT_EQ(3, parse.commands[0].nLine);
    EXPECT_EQ(6, parse.commands[1].nLine);
    EXPECT_EQ(ScriptVerb::Ok, parse.commands[1].verb);
}

TEST(ParseScript, NamesTheLineOfTheFirstMistake)
{
    const struct { const char* pszScript; const char* pszError; } cases[] = {
        {"tap\n", "line 1: tap needs a bar button"},
        {"tap keyboard\ntap nothing\n", "line 2: tap needs a bar button"},
        {"tap Options\n", "line 1: tap needs a bar button"},
        {"jump\n", "line 1: unknown command jump"},
        {"type a\\q\n", "line 1: bad escape"},
        {"type\n", "line 1: type needs a text"},
        {"write\n", "line 1: write needs a text"},
        {"hand both\n", "line 1: hand is left or right"},
        {"rotate now\n", "line 1: rotate takes no argument"},
        {"wait soon\n", "line 1: wait needs milliseconds"},
        {"wait 600001\n", "line 1: wait needs milliseconds"},
        {"screenshot\n", "line 1: screenshot FILE"},
        {"screenshot a.png bar b\n", "line 1: screenshot FILE"},
        {"screenshot a.png sky\n", "line 1: unknown screenshot region"},
        {"hold a.png\n", "line 1: hold FILE CHARACTER"},
        {"key\n", "line 1: key needs an argument"},
        {"expect-keyboard ajar\n", "line 1: expect-keyboard open or closed"},
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
