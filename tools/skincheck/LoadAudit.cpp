#include "LoadRuns.h"

#include "skin/KeyTable.h"
#include "skin/SkinGeometry.h"
#include "support/ScreenRules.h"

#include <map>
#include <sstream>

std::string FormatLoadRun(const LoadRun& run)
{
    std::string out = Printf("load %d %d %d\n", run.nSkin, run.bLeftHanded ? 1 : 0, run.nResult);
    for (std::size_t i = 0; i < run.keys.size(); ++i)
    {
        const LoadedKey& k = run.keys[i];
        out += Printf("key %d %d %d %d %d %d %d %d %d\n", run.nSkin, run.bLeftHanded ? 1 : 0, static_cast<int>(i), k.rc.nLeft,
                      k.rc.nTop, k.rc.nRight, k.rc.nBottom, k.nImageWidth, k.nImageHeight);
    }
    return out;
}

ScreenRun ParseScreenReport(const CheckedScreen& screen, const std::string& report)
{
    ScreenRun result;
    result.screen = screen;
    std::istringstream lines(report);
    std::string line;
    while (std::getline(lines, line))
    {
        std::istringstream words(line);
        std::string kind;
        words >> kind;
        int nSkin = 0, nHand = 0;
        if (kind == "done")
        {
            result.bRan = true;
            break;
        }
        if (!(words >> nSkin >> nHand))
            continue;
        if (kind == "load")
        {
            LoadRun run;
            run.nSkin = nSkin;
            run.bLeftHanded = nHand != 0;
            words >> run.nResult;
            result.runs.push_back(run);
        }
        else if (kind == "key" && !result.runs.empty())
        {
            std::size_t nIndex = 0;
            LoadedKey key;
            if (words >> nIndex >> key.rc.nLeft >> key.rc.nTop >> key.rc.nRight >> key.rc.nBottom >> key.nImageWidth >>
                    key.nImageHeight &&
                nIndex < result.runs.back().keys.size())
                result.runs.back().keys[nIndex] = key;
        }
    }
    return result;
}

void AuditLoadRun(const ScreenRun& screenRun, const LoadRun& run, const ExpectedLoad& expected, CFindings& findings)
{
    const int w = screenRun.screen.size.nWidth, h = screenRun.screen.size.nHeight;
    const char* pszHand = run.bLeftHanded ? "left" : "right";
    const std::string where = Printf("on a %dx%d screen (%s hand),", w, h, pszHand);
    const LayoutModel* pLayout = expected.pLayout;
    if (pLayout == nullptr || !pLayout->bReadable)
        return;  // the index and layout checks already say why nothing loads
    if (run.nResult == 0)
    {
        findings.Error(*expected.pIndexFile, "",
                       Printf("the loader refuses the skin on a %dx%d screen (%s hand)", w, h, pszHand));
        return;
    }

    // The last entry of each key, with the design state at the end of the file.
    std::map<int, const LayoutEntryRecord*> keys;
    int nOrientation = 0, bw = 0, bh = 0;
    for (const LayoutEntryRecord& record : pLayout->entries)
    {
        if (record.text.empty() || !record.bHasAttributes || record.bEnded)
            continue;
        if (record.target.kind == LayoutEntryKind::Key)
            keys[record.target.nKey] = &record;
        else if (record.target.kind == LayoutEntryKind::Orientation)
            nOrientation = record.values.nOrientationValue;
        else if (record.target.kind == LayoutEntryKind::DefaultBackground)
        {
            bw = record.values.nBackgroundWidth;
            bh = record.values.nBackgroundHeight;
        }
    }
    const bool bTurned = ChooseSkinTurn(OrientationOf(w, h), nOrientation, run.bLeftHanded) != SkinTurn::None;
    const int cx = bTurned ? bh : bw;
    const int cy = bTurned ? bw : bh;

    for (const auto& slot : keys)
    {
        const LayoutEntryRecord& record = *slot.second;
        const LayoutValues& v = record.values;
        const LoadedKey& loaded = run.keys[static_cast<std::size_t>(slot.first)];
        const std::string entry = DescribeEntry(record.nChild, record.text);
        const int nLoadedWidth = loaded.rc.nRight - loaded.rc.nLeft;
        const int nLoadedHeight = loaded.rc.nBottom - loaded.rc.nTop;

        const bool bInside = v.nWidth > 0 && v.nHeight > 0 && v.nLeft >= 0 && v.nTop >= 0 && bw > 0 && bh > 0 &&
                             static_cast<long long>(v.nLeft) + v.nWidth <= bw &&
                             static_cast<long long>(v.nTop) + v.nHeight <= bh;
        if (bInside && (loaded.rc.nLeft < 0 || loaded.rc.nTop < 0 || loaded.rc.nRight > cx || loaded.rc.nBottom > cy))
            findings.Error(pLayout->file, entry,
                           Printf("%s the loader puts the key at (%d, %d)-(%d, %d), outside the %dx%d keyboard",
                                  where.c_str(), loaded.rc.nLeft, loaded.rc.nTop, loaded.rc.nRight, loaded.rc.nBottom,
                                  cx, cy));

        const auto bitmap = expected.pBitmaps != nullptr ? expected.pBitmaps->find(v.szBitmapName)
                                                         : BitmapTable::const_iterator();
        const bool bImageFine = expected.pBitmaps != nullptr && v.szBitmapName[0] != L'\0' &&
                                bitmap != expected.pBitmaps->end() &&
                                bitmap->second.state == BitmapFacts::State::Loaded &&
                                bitmap->second.nWidth == v.nWidth && bitmap->second.nHeight == v.nHeight;
        if (!bImageFine)
            continue;
        if (loaded.nImageWidth == 0 && loaded.nImageHeight == 0)
            findings.Error(pLayout->file, entry, where + " the loader left the key without its pressed image");
        else if (loaded.nImageWidth != nLoadedWidth || loaded.nImageHeight != nLoadedHeight)
            findings.Error(pLayout->file, entry,
                           Printf("%s the loaded pressed image is %dx%d but the key is %dx%d", where.c_str(),
                                  loaded.nImageWidth, loaded.nImageHeight, nLoadedWidth, nLoadedHeight));
    }
}
