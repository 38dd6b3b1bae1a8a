#include "device/MiniXml.h"

#include <gtest/gtest.h>

namespace {

TEST(MiniXml, KeepsCommentsAndTextInDocumentOrder)
{
    const auto root = ParseXml("\xEF\xBB\xBF<?xml version=\"1.0\"?><!-- top --><r a='1' b=\"x &amp; y\">\n"
                               "  <!-- c --> <e/>\n  text &lt;&#65;&#x42;&gt; <f k=\"v\">in</f></r>\n<!-- end -->");
    ASSERT_TRUE(root);
    EXPECT_EQ("r", root->name);
    ASSERT_EQ(4u, root->children.size());
    EXPECT_EQ(XmlNode::Kind::Comment, root->children[0]->kind);
    EXPECT_EQ(" c ", root->children[0]->text);
    EXPECT_EQ("e", root->children[1]->name);
    EXPECT_EQ(XmlNode::Kind::Text, root->children[2]->kind);
    EXPECT_EQ("x & y", *root->Attribute("b"));
    EXPECT_EQ(nullptr, root->Attribute("B"));
    EXPECT_EQ("text <AB> in", root->TextContent());
}

TEST(MiniXml, TheLastOfRepeatedAttributesWins)
{
    const auto root = ParseXml("<r Left=\"1\" Left=\"2\"/>");
    ASSERT_TRUE(root);
    EXPECT_EQ("2", *root->Attribute("Left"));
    EXPECT_EQ(2u, root->attributes.size());
}

TEST(MiniXml, RejectsDocumentsThatAreNotWellFormed)
{
    const char* const apszBad[] = {"", "text", "<r>", "<r></s>", "<r a=1/>", "<r a=\"1/>", "<r>&bogus;</r>",
                                   "<r/><s/>", "<r><!-- open</r>", "<r>&#0;</r>", "<r a=\"&#x110000;\"/>"};
    for (const char* psz : apszBad)
    {
        std::string error;
        EXPECT_EQ(nullptr, ParseXml(psz, &error)) << psz;
        EXPECT_FALSE(error.empty()) << psz;
    }
}

TEST(MiniXml, RefusesNestingBeyondAnyLayout)
{
    std::string deep;
    for (int i = 0; i < 1000; ++i)
        deep += "<a>";
    EXPECT_EQ(nullptr, ParseXml(deep));
}

}  // namespace
