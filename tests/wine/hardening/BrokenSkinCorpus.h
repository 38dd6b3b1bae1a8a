#pragma once
#include "skin/SkinTestFiles.h"

#include <functional>
#include <string>
#include <vector>

// Malformed skins, each with the outcome the loader defines for it. Every skin has its
// own index file NAME.xml and folder NAME under the skins folder.

enum class LoadOutcome
{
    Fails,      // LoadSkin returns 0
    Loads,      // LoadSkin returns 1
    ParserSays, // whether the document parses is the XML parser's call (depth, entities)
};

struct BrokenSkin
{
    std::string what;
    std::function<void(CSkinTestFiles& files, const std::wstring& name)> write;
    LoadOutcome outcome;
    // After a load that returned 1: true when the key "char_A" (index 0) must have no
    // pressed image, false when it must have one.
    bool bKeyImageLost = false;
    bool bUnlisted = false;  // no index file (none, or a folder): the skin list must not show it
};

std::vector<BrokenSkin> MakeBrokenSkinCorpus();
