#include "SkinDocuments.h"

#include <gtest/gtest.h>

namespace {

size_t CountOf(const std::string& text, const std::string& part)
{
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

TEST(SkinDocuments, IndexHasACommentFirstThenOneElementPerEntry)
{
    const std::string xml =
        BuildIndexDocument("a skin", {{1, 320, 240, "Layout240.xml", "de"}, {2, 640, 480, "Layout480.xml"}});
    EXPECT_EQ("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
              "<Skin>\n"
              "  <!-- a skin -->\n"
              "  <Resolution ResolutionID=\"1\" Width=\"320\" Height=\"240\" LayoutFileName=\"Layout240.xml\" "
              "Language=\"de\"/>\n"
              "  <Resolution ResolutionID=\"2\" Width=\"640\" Height=\"480\" LayoutFileName=\"Layout480.xml\"/>\n"
              "</Skin>\n",
              xml);
}

TEST(SkinDocuments, LayoutPutsOrientationAndSizeBeforeTheEntriesThatUseThem)
{
    const KeyboardPlan plan = BuildKeyboardPlan(2);
    const std::string xml = BuildLayoutDocument("x", plan, 480);
    const size_t nComment = xml.find("<!-- x -->");
    const size_t nOrientation = xml.find(">Orientation<");
    const size_t nSize = xml.find(">DefaultBackground<");
    const size_t nFirstImage = xml.find("DefaultPath");
    ASSERT_NE(std::string::npos, nComment);
    EXPECT_LT(nComment, nOrientation);
    EXPECT_LT(nOrientation, nSize);
    EXPECT_LT(nSize, nFirstImage);
    EXPECT_NE(std::string::npos, xml.find("<Entry OrientationValue=\"4\">Orientation</Entry>"));
    EXPECT_NE(std::string::npos, xml.find("BackgroundWidth=\"640\" BackgroundHeight=\"480\""));
    EXPECT_NE(std::string::npos, xml.find("DefaultPath=\"480_CharBackground.bmp\">CharBackground<"));
}

TEST(SkinDocuments, EveryKeyAppearsOnceWithItsRectangleAndImage)
{
    const KeyboardPlan plan = BuildKeyboardPlan(1);
    const std::string xml = BuildLayoutDocument("x", plan, 240);
    EXPECT_EQ(84u + 3u, CountOf(xml, "DefaultPath="));
    const PixelRect& q = plan.keys[KEY_A + ('Q' - 'A')];
    const std::string expected = "<Entry Left=\"" + std::to_string(q.nLeft) + "\" Top=\"" + std::to_string(q.nTop) +
                                 "\" Width=\"" + std::to_string(q.Width()) + "\" Height=\"" +
                                 std::to_string(q.Height()) + "\" DefaultPath=\"240_char_Q.bmp\">char_Q</Entry>";
    EXPECT_EQ(1u, CountOf(xml, expected));
    EXPECT_EQ(1u, CountOf(xml, ">symbol_left_parenthesis</Entry>"));
    EXPECT_EQ(1u, CountOf(xml, ">char_editview</Entry>"));
    EXPECT_EQ(1u, CountOf(xml, ">char_wordview</Entry>"));
}

TEST(SkinDocuments, FileNamesArePlainAscii)
{
    EXPECT_EQ("240_symbol_backward_slash.bmp", KeyImageFileName(240, 68));
    EXPECT_EQ("480_NumberBackground.bmp", BackgroundFileName(480, VIEW_NUMBER));
    EXPECT_EQ("Layout480.xml", LayoutFileName(480));
    EXPECT_EQ("a_b_", AsciiFileName(L"a\u00E9b\u0080"));
}

}  // namespace
