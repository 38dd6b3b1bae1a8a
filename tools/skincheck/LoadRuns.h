#pragma once
#include "Findings.h"
#include "SkinModel.h"

#include <array>
#include <string>
#include <vector>

// What the real loader made of a skin on one screen for one hand, as the checker's
// child process on that screen reports it, and the checks of it.

struct LoadedRect
{
    int nLeft = 0, nTop = 0, nRight = 0, nBottom = 0;
};

struct LoadedKey
{
    LoadedRect rc;
    int nImageWidth = 0;   // 0 when the key has no pressed image
    int nImageHeight = 0;
};

struct LoadRun
{
    int nSkin = 0;           // index into the list of skins checked
    bool bLeftHanded = false;
    int nResult = 0;         // what LoadSkin returned
    std::array<LoadedKey, 84> keys{};
};

struct ScreenRun
{
    CheckedScreen screen{};
    bool bRan = false;       // the child process on that screen reported back
    std::vector<LoadRun> runs;
};

// Lines of the child's report: "load SKIN HAND RESULT" and
// "key SKIN HAND INDEX LEFT TOP RIGHT BOTTOM IMAGEWIDTH IMAGEHEIGHT", then "done".
std::string FormatLoadRun(const LoadRun& run);
// Reads a report back; bRan only when it ended with "done".
ScreenRun ParseScreenReport(const CheckedScreen& screen, const std::string& report);

// What the checks of one skin on one screen need to know of its files: the layout that
// screen uses (null when the index file gives none) and the facts of its bitmaps.
struct ExpectedLoad
{
    const std::string* pIndexFile = nullptr;
    const LayoutModel* pLayout = nullptr;
    const BitmapTable* pBitmaps = nullptr;
};

// Compares what the loader made on that screen with what the files say: the load must
// succeed when there is a readable layout, every key whose image is fine on disk must get
// an image of its rectangle's size, and every key inside the design area must stay inside
// the area shown on the screen.
void AuditLoadRun(const ScreenRun& screenRun, const LoadRun& run, const ExpectedLoad& expected, CFindings& findings);
