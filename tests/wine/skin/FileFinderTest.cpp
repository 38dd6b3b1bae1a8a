#include "SkinTestFiles.h"

#include "skin/FileFinder.h"

#include <gtest/gtest.h>

namespace {

// What the skin list shows of the skins folder (index files only, each once, by the name
// before its last dot) is checked with the broken-skin corpus (BrokenSkinCorpusTest).
TEST(FileFinder, NothingFoundInAMissingFolder)
{
    CSkinTestFiles files;
    CFileFinder finder;
    finder.FindFirst((files.SkinsFolder() + L"\\ZzNoSuchFolder\\*.xml").c_str());
    EXPECT_FALSE(finder.IsFound());
}

}  // namespace
