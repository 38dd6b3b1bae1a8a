#pragma once
#include "skin/SkinTestFiles.h"

#include <functional>
#include <string>
#include <vector>

// Malformed skins, each with the outcome the loader defines for it. Every skin has its
// own name, Broken000 to BrokenNNN, and writes its index file (NAME.xml, unless the case
// is about the index file's name) and its folder NAME under the skins folder.

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
    bool bUnlisted = false;     // no index file NAME*.xml (none, or a folder): the skin list must not show it
    bool bEveryScreen = false;  // loaded on every screen size, not only on the one that runs the whole corpus
    // The index file's name for a case about that name; null for NAME.xml.
    std::wstring (*pfnIndexFile)(const std::wstring& name) = nullptr;

    std::wstring name;          // given by MakeBrokenSkinCorpus

    // The skin file name the settings hold to select this skin.
    std::wstring IndexFile() const { return pfnIndexFile != nullptr ? pfnIndexFile(name) : name + L".xml"; }
    void Write(CSkinTestFiles& files) const { write(files, name); }
};

std::vector<BrokenSkin> MakeBrokenSkinCorpus();

// How many cases of the corpus are marked for every screen size (each by its name).
size_t EveryScreenCaseCount();
