#pragma once
#include "skin/LayoutEntryReader.h"
#include "skin/ResolutionEntryReader.h"

#include <map>
#include <set>
#include <string>
#include <vector>

// A skin as its files say it, read with the product's own readers: what the checker's
// rules look at. The Win32 side fills it; the rules need no Win32.

// One child of the index file's root that the reader reads.
struct IndexEntryRecord
{
    int nChild;               // position among the root's children, the first being 1
    bool bHasAttributes;      // false: a comment or text, which adds nothing
    ResolutionEntry entry;
    bool bHasLanguage;        // the entry has a Language attribute,
    std::wstring language;    // this one, whole
};

struct IndexModel
{
    std::string file;         // e.g. "Silver.xml"
    bool bReadable = false;   // the document could be opened and walked
    std::vector<IndexEntryRecord> entries;
};

// One child of a layout file's root that the loader reads.
struct LayoutEntryRecord
{
    int nChild;               // position among the root's children, the first being 1
    std::wstring text;        // the element's text, which names the entry
    bool bHasAttributes;      // false: the loader ignores the entry
    bool bEnded;              // an attribute could not be read: the loader ignores the entry
    LayoutValues values;
    LayoutEntryTarget target;
    std::wstring alternates;  // the Alternates attribute whole, before the loader cuts it
};

struct LayoutModel
{
    std::string file;         // e.g. "Silver\qvga.xml"
    bool bPresent = false;    // the file exists
    bool bReadable = false;
    std::vector<LayoutEntryRecord> entries;
    std::set<wchar_t> missingGlyphs;  // characters of its Alternates the keys' label font lacks
};

// What became of one bitmap file that a layout names.
struct BitmapFacts
{
    enum class State { Loaded, Missing, Unreadable, IsFolder };
    State state = State::Missing;
    int nWidth = 0;
    int nHeight = 0;
};

// Keyed by the bitmap name as the loader forms it (after its trip through the code page).
using BitmapTable = std::map<std::wstring, BitmapFacts>;

struct ScreenSize
{
    int nWidth;
    int nHeight;
};

// The screens the keyboard supports, each with the DPI its class reports on a device.
struct CheckedScreen
{
    ScreenSize size;
    int nDpi;
};

// Every supported screen size, with the DPI of its class (QVGA 96, VGA 192) unless
// nDpiOverride is positive.
std::vector<CheckedScreen> SupportedScreens(int nDpiOverride);

// "child 12 \"char_Q\"": how a report names an entry (long texts are shortened).
std::string DescribeEntry(int nChild, const std::wstring& text);
