#include "device/harness/TextUtf.h"
#include "settings/ModulePath.h"
#include "settings/SettingsFileTest.h"
#include "settings/UserWordsStore.h"
#include "support/ModuleInstance.h"
#include "words/UserWordsFile.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

// "Zarn" three times, then "hello", then "Gr\u00FC\u00DFe".
CUserWords ThreeWords()
{
    CUserWords words;
    for (const wchar_t* psz : {L"Zarn", L"Zarn", L"Zarn", L"hello", L"Gr\u00FC\u00DFe"})
        words.CountUse(psz, std::wcslen(psz));
    return words;
}

Bytes FileOf(const CUserWords& words)
{
    Bytes bytes;
    WriteUserWords(words, bytes);
    return bytes;
}

// "word:uses " for each word kept, in the store's order.
std::string Listed(const CUserWords& words)
{
    std::string text;
    for (std::size_t i = 0; i < words.Count(); ++i)
        text += Narrow(words.At(i).szWord) + ":" + std::to_string(words.At(i).nUses) + " ";
    return text;
}

// What the file format makes of every byte pattern is checked natively; here, the file
// next to the module, and what is left of a replacement cut short.
class UserWordsStore : public testing::Test
{
protected:
    void SetUp() override { RemoveAll(); }
    void TearDown() override { RemoveAll(); }

    void RemoveAll()
    {
        for (const wchar_t* pszSuffix : {L"", L".new", L".ready"})
            RemovePath(m_path + pszSuffix);
    }

    std::wstring m_path = [] {
        WCHAR szPath[MAX_PATH];
        return std::wstring(BuildModulePath(g_hInstance, L"\\Words.dat", szPath) ? szPath : L"");
    }();
    const Bytes m_three = FileOf(ThreeWords());
};

struct LoadCase
{
    const char* pszName;
    std::optional<Bytes> file;   // nothing: no file
    std::optional<Bytes> ready;  // a whole replacement left by a power failure, beside a torn one
    const char* pszWords;
    std::optional<Bytes> fileAfter;
};

TEST_F(UserWordsStore, LoadKeepsWhatIsWholeAndFinishesACutReplacement)
{
    CUserWords one;
    one.CountUse(L"one", 3);
    const Bytes torn(m_three.begin(), m_three.end() - 3);
    const Bytes other = {'B', 'V', 'U', 'X', 1, 0, 12, 0, 0, 0, 0, 0};
    const LoadCase aCases[] = {
        {"no file", std::nullopt, std::nullopt, "", std::nullopt},
        {"three words, most recent first", m_three, std::nullopt, "Gr\u00FC\u00DFe:1 hello:1 Zarn:3 ", m_three},
        {"torn in the last record", torn, std::nullopt, "Gr\u00FC\u00DFe:1 hello:1 ", torn},
        {"not a words file", other, std::nullopt, "", other},
        {"cut before the old file went: the old one", FileOf(one), m_three, "one:1 ", FileOf(one)},
        {"cut after the old file went: the new one", std::nullopt, m_three, "Gr\u00FC\u00DFe:1 hello:1 Zarn:3 ",
         m_three},
    };
    for (const LoadCase& c : aCases)
    {
        SCOPED_TRACE(c.pszName);
        RemoveAll();
        ASSERT_TRUE(!c.file || WriteFileBytes(m_path, *c.file));
        ASSERT_TRUE(!c.ready || (WriteFileBytes(m_path + L".ready", *c.ready) &&
                                 WriteFileBytes(m_path + L".new", Bytes{'B', 'V'})));
        CUserWords words = ThreeWords();
        EXPECT_TRUE(LoadUserWords(words));
        EXPECT_EQ(c.pszWords, Listed(words));
        EXPECT_EQ(c.fileAfter.value_or(Bytes{}), ReadFileBytes(m_path));
        for (const wchar_t* pszSuffix : {L".new", L".ready"})
            EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((m_path + pszSuffix).c_str()));
    }
}

// A file that is there but cannot be read must not pass for an empty one: the words
// saved over it would be lost.
TEST_F(UserWordsStore, AFileThatCannotBeReadIsNoEmptyOne)
{
    ASSERT_TRUE(CreateDirectoryW(m_path.c_str(), nullptr));
    CUserWords words = ThreeWords();
    EXPECT_FALSE(LoadUserWords(words));
    EXPECT_EQ(0u, words.Count());
    EXPECT_FALSE(SaveUserWords(ThreeWords()));
    RemoveAll();

    ASSERT_TRUE(WriteFileBytes(m_path, m_three));
    const HANDLE hHeld = CreateFileW(m_path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_FALSE(LoadUserWords(words));
    CloseHandle(hHeld);
    EXPECT_TRUE(LoadUserWords(words));
    EXPECT_EQ(3u, words.Count());
}

TEST_F(UserWordsStore, SaveAndClearReplaceTheFileButNotAReadOnlyOne)
{
    ASSERT_TRUE(WriteFileBytes(m_path, Bytes(1000, 0xAB)));
    EXPECT_TRUE(SaveUserWords(ThreeWords()));
    EXPECT_EQ(m_three, ReadFileBytes(m_path));

    EXPECT_TRUE(ClearUserWords());
    EXPECT_EQ((Bytes{'B', 'V', 'U', 'W', 1, 0, 12, 0, 0, 0, 0, 0}), ReadFileBytes(m_path));
    CUserWords read = ThreeWords();
    EXPECT_TRUE(LoadUserWords(read));
    EXPECT_EQ(0u, read.Count());

    ASSERT_TRUE(SaveUserWords(ThreeWords()));
    ASSERT_TRUE(SetFileAttributesW(m_path.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(ClearUserWords());
    EXPECT_FALSE(SaveUserWords(CUserWords()));
    EXPECT_EQ(m_three, ReadFileBytes(m_path));
}

}  // namespace
