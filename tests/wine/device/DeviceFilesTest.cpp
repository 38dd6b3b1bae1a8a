#include "WineTestSupport.h"
#include "common/FileBytes.h"
#include "device/ImageFile.h"
#include "device/SkinXml.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring TempFile(const wchar_t* pszName)
{
    wchar_t szTemp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, szTemp);
    return std::wstring(szTemp) + pszName;
}

// Reading files does not depend on the screen: one size is enough.
class DeviceFiles : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!IsScreen(240, 320))
            GTEST_SKIP() << "screen-independent";
    }
};

std::string Utf16File(const std::u16string& text)
{
    std::string bytes = "\xFF\xFE";
    for (char16_t ch : text)
        bytes += {static_cast<char>(ch & 0xFF), static_cast<char>(ch >> 8)};
    return bytes;
}

TEST_F(DeviceFiles, SkinEntriesAreTheRootsChildrenInEitherEncoding)
{
    const std::string files[] = {
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Layout>\n  <!-- first -->\n"
        "  <Entry Left=\"10\" Name=\"Gr\xC3\xBC\xC3\x9F\">  char_Q  </Entry>\n  loose text\n  <Empty/>\n</Layout>\n",
        Utf16File(u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<Layout><!-- first -->"
                  u"<Entry Left=\"10\" Name=\"Gr\u00fc\u00df\">char_Q</Entry>loose text<Empty/></Layout>"),
    };
    const std::wstring path = TempFile(L"brevanto-device-entries.xml");
    for (const std::string& file : files)
    {
        ASSERT_TRUE(WriteFileText(path, file));
        SkinEntries entries;
        std::string why;
        ASSERT_TRUE(ReadSkinEntries(path, entries, why)) << why;
        ASSERT_EQ(4u, entries.size()) << "white space between elements is no entry";
        EXPECT_FALSE(entries[0].bElement);
        EXPECT_TRUE(entries[1].bElement);
        EXPECT_EQ("char_Q", entries[1].text);
        const SkinEntry::Attributes expected = {{"Left", "10"}, {"Name", "Gr\xC3\xBC\xC3\x9F"}};
        EXPECT_EQ(expected, entries[1].attributes);
        EXPECT_FALSE(entries[2].bElement);
        EXPECT_EQ("loose text", entries[2].text);
        EXPECT_TRUE(entries[3].bElement);
        EXPECT_TRUE(entries[3].attributes.empty());
    }
    ASSERT_TRUE(WriteFileText(path, "<Skin>\n<Resolution Height=\"240\"\n"));
    SkinEntries entries;
    std::string why;
    EXPECT_FALSE(ReadSkinEntries(path, entries, why)) << "a file cut short";
    EXPECT_NE(std::string::npos, why.find("brevanto-device-entries.xml")) << why;
    DeleteFileW(path.c_str());
}

TEST_F(DeviceFiles, ImageFilesKeepEveryPixelAsPngOrBmp)
{
    RgbImage image;
    image.nWidth = 3;
    image.nHeight = 2;
    image.pixels = {255, 0, 0, 0, 255, 0, 0, 0, 255, 10, 20, 30, 40, 50, 60, 70, 80, 90};
    const struct { const wchar_t* pszName; const char* pszSignature; } cases[] = {
        {L"brevanto-device.png", "\x89PNG"}, {L"brevanto-device.BMP", "BM"}};
    for (const auto& c : cases)
    {
        const std::wstring path = TempFile(c.pszName);
        ASSERT_TRUE(WriteImageFile(image, path));
        const FileBytes bytes = ReadFileBytes(path);
        const std::string signature(c.pszSignature);
        ASSERT_GE(bytes.size(), signature.size());
        EXPECT_EQ(signature, std::string(bytes.begin(), bytes.begin() + signature.size()));
        RgbImage back;
        ASSERT_TRUE(ReadImageFile(path, back));
        EXPECT_EQ(3, back.nWidth);
        EXPECT_EQ(2, back.nHeight);
        EXPECT_EQ(image.pixels, back.pixels) << "top row first, red-green-blue";
        DeleteFileW(path.c_str());
    }
    const std::wstring broken = TempFile(L"brevanto-device-broken.bmp");
    ASSERT_TRUE(WriteFileText(broken, "BM not a bitmap"));
    RgbImage none;
    EXPECT_FALSE(ReadImageFile(broken, none));
    DeleteFileW(broken.c_str());
    EXPECT_FALSE(ReadImageFile(TempFile(L"brevanto-no-such-file.bmp"), none));
}

}  // namespace
