#pragma once
#include "BrokenSkinCorpus.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// The broken-skin corpus written under the skins folder once for all the tests of the
// suite, and removed after them. The screen that runs the whole corpus gets every
// case; the other screens get the cases marked for every screen.
class BrokenSkins : public testing::Test
{
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

    // True on the screen that runs the whole corpus.
    static bool IsCorpusScreen();

    static const std::vector<BrokenSkin>& Corpus() { return s_corpus; }

    // The index files (*.xml) the skins folder held before the corpus was written.
    static const std::vector<std::wstring>& InstalledBefore() { return s_installedBefore; }

private:
    static std::vector<BrokenSkin> s_corpus;
    static std::unique_ptr<CSkinTestFiles> s_pFiles;
    static std::vector<std::wstring> s_installedBefore;
};
