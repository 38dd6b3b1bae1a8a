#include "IndexAudit.h"
#include "device/harness/TextUtf.h"

#include "skin/SkinNumbers.h"
#include "support/ScreenRules.h"

namespace {

std::string ChildName(int nChild)
{
    return Printf("child %d", nChild);
}

const char* ClassName(int nShortSide)
{
    return nShortSide >= 480 ? "VGA" : "QVGA";
}

// The Language attributes: each must name a word list's language, and a later one
// that names another language is not taken.
void AuditLanguages(const IndexModel& model, CFindings& findings)
{
    const IndexEntryRecord* pTaken = nullptr;
    for (const IndexEntryRecord& record : model.entries)
    {
        if (!record.bHasAttributes || !record.bHasLanguage)
            continue;
        const std::string entry = ChildName(record.nChild);
        const std::string code = Narrow(record.language);
        if (!record.entry.Language.bNamed)
            findings.Warning(model.file, entry,
                             Printf("its Language \"%s\" names none of the word lists (en, de, fr, es, it; in lower "
                                    "case), so it is passed over",
                                    code.c_str()));
        else if (pTaken == nullptr)
            pTaken = &record;
        else if (pTaken->entry.Language.language != record.entry.Language.language)
            findings.Warning(model.file, entry,
                             Printf("its Language \"%s\" differs from the \"%s\" of %s, which names the skin's "
                                    "language; this one is not used",
                                    code.c_str(), Narrow(pTaken->language).c_str(), ChildName(pTaken->nChild).c_str()));
    }
}

}  // namespace

std::vector<int> AuditIndex(const IndexModel& model, const std::vector<CheckedScreen>& screens, CFindings& findings)
{
    std::vector<int> chosen(screens.size(), -1);
    const std::string& file = model.file;
    if (!model.bReadable)
    {
        findings.Error(file, "", "cannot be read as an XML document; the keyboard will not open with this skin");
        return chosen;
    }

    // The entries in the order the loader keeps them, with where each came from.
    std::vector<int> heights;
    std::vector<int> sources;
    for (std::size_t i = 0; i < model.entries.size(); ++i)
    {
        const IndexEntryRecord& record = model.entries[i];
        if (!record.bHasAttributes)
            continue;
        const std::string entry = ChildName(record.nChild);
        if (record.entry.Height <= 0)
            findings.Warning(file, entry, Printf("its Height is %d, so it is never chosen", record.entry.Height));
        for (std::size_t j = 0; j < heights.size(); ++j)
        {
            if (record.entry.Height > 0 && heights[j] == record.entry.Height)
            {
                findings.Warning(file, entry,
                                 Printf("has the same Height %d as child %d, which is chosen instead; this entry is "
                                        "never used",
                                        record.entry.Height, model.entries[sources[j]].nChild));
                break;
            }
        }
        heights.push_back(record.entry.Height);
        sources.push_back(static_cast<int>(i));
    }
    AuditLanguages(model, findings);
    if (heights.empty())
    {
        findings.Error(file, "",
                       "holds no entries after its first child (the first child of the root is never read); the "
                       "keyboard will not open with this skin");
        return chosen;
    }

    for (std::size_t s = 0; s < screens.size(); ++s)
    {
        const ScreenSize& size = screens[s].size;
        const int nShortSide = ShortSideOf(size.nWidth, size.nHeight);
        const int nMatch = MatchResolution(heights.data(), heights.size(), nShortSide);
        if (nMatch < 0)
        {
            findings.Error(file, "",
                           Printf("has no layout for %s screens (shorter side %d pixels, no entry with a Height of "
                                  "%d or less); the keyboard will not open on them",
                                  ClassName(nShortSide), nShortSide, nShortSide));
            continue;
        }
        const IndexEntryRecord& record = model.entries[sources[nMatch]];
        if (record.entry.Height != nShortSide)
            findings.Warning(file, ChildName(record.nChild),
                             Printf("%s screens (shorter side %d pixels) use this layout drawn for %d pixels, as no "
                                    "entry has a Height of %d",
                                    ClassName(nShortSide), nShortSide, record.entry.Height, nShortSide));
        if (record.entry.LayoutFileName[0] == L'\0')
        {
            findings.Error(file, ChildName(record.nChild),
                           Printf("is chosen for %s screens but names no layout file (LayoutFileName missing, empty "
                                  "or longer than 259 characters)",
                                  ClassName(nShortSide)));
            continue;
        }
        chosen[s] = sources[nMatch];
    }
    return chosen;
}
