#include "DictionaryWriter.h"
#include "WordListReader.h"
#include "device/harness/TextUtf.h"

#include <gtest/gtest.h>

namespace {

const char kList[] =
    "dictionary=main:en_us,locale=en_US,description=English (US),version=54\n"
    " word=the,f=222,flags=,originalFreq=222\n"
    " word=ill,f=112,flags=,originalFreq=128\n"
    "  shortcut=I'll,f=whitelist\n"
    " word=alot,f=0,not_a_word=true\n"
    "  shortcut=a lot,f=14\n"
    " word=sex,f=135,flags=,originalFreq=135,possibly_offensive=true\n"
    " word=damn,f=0,flags=offensive\r\n"
    " word=caf\xc3\xa9,f=90\n";

TEST(WordListReader, ReadsWordsMarksAndShortcuts)
{
    WordListFile list;
    std::string error;
    ASSERT_TRUE(ReadWordList(kList, list, error)) << error;
    EXPECT_EQ("en_US", list.locale);
    ASSERT_EQ(6u, list.words.size());
    EXPECT_EQ(L"the", list.words[0].word);
    EXPECT_EQ(222, list.words[0].nFrequency);
    ASSERT_EQ(1u, list.words[1].shortcuts.size());
    EXPECT_EQ(L"I'll", list.words[1].shortcuts[0].target);
    EXPECT_EQ(256, list.words[1].shortcuts[0].nRank);
    EXPECT_TRUE(list.words[2].bNotAWord);
    EXPECT_EQ(14, list.words[2].shortcuts[0].nRank);
    EXPECT_TRUE(list.words[3].bOffensive);
    EXPECT_EQ(L"damn", list.words[4].word);
    EXPECT_EQ(L"caf\u00e9", list.words[5].word);

    // The dictionary keeps the shortcuts of a word that is none, and offers the marked
    // words only when typed in full.
    DictionarySource source;
    ASSERT_TRUE(SourceOfList(list, source));
    std::vector<std::string> words;
    for (const DictionaryWord& word : source.words)
        words.push_back(Narrow(word.word) + ":" + std::to_string(word.nFrequency));
    EXPECT_EQ((std::vector<std::string>{"the:222", "ill:112", "sex:0", "damn:0", "café:90"}), words);
    ASSERT_EQ(2u, source.shortcuts.size());
    EXPECT_EQ(L"alot", source.shortcuts[1].source);
    EXPECT_EQ(L"a lot", source.shortcuts[1].target);
}

TEST(WordListReader, NamesTheLineItCannotRead)
{
    WordListFile list;
    std::string error;
    EXPECT_FALSE(ReadWordList("locale=de\n word=a,f=300\n", list, error));
    EXPECT_EQ("line 2: cannot read \" word=a,f=300\"", error);
    EXPECT_FALSE(ReadWordList("locale=de\n  shortcut=x,f=1\n", list, error));
    DictionarySource source;
    ASSERT_TRUE(ReadWordList("locale=nl\n word=a,f=3\n", list, error));
    EXPECT_FALSE(SourceOfList(list, source));
}

}  // namespace
