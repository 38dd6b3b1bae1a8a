#include "LayoutAudit.h"
#include "device/harness/TextUtf.h"

#include "keyboard/Alternates.h"
#include "skin/KeyTable.h"
#include "skin/SkinGeometry.h"
#include "support/ScreenRules.h"

#include <algorithm>
#include <cwctype>
#include <set>

namespace {

constexpr int kLandscapeDesign = 4;
constexpr int kPortraitDesign = 5;

bool IsPlaced(LayoutEntryKind kind)
{
    return kind != LayoutEntryKind::Ignored && kind != LayoutEntryKind::Orientation &&
           kind != LayoutEntryKind::DefaultBackground;
}

bool HasRectangle(LayoutEntryKind kind)
{
    return kind == LayoutEntryKind::Key || kind == LayoutEntryKind::EditView || kind == LayoutEntryKind::CharView ||
           kind == LayoutEntryKind::WordView;
}

bool HasBitmap(LayoutEntryKind kind)
{
    return kind == LayoutEntryKind::Key || kind == LayoutEntryKind::CharBackground ||
           kind == LayoutEntryKind::SymbolBackground || kind == LayoutEntryKind::NumberBackground;
}

// A number for each thing an entry can fill: the key index, or 100 and up for the rest.
int SlotOf(const LayoutEntryTarget& target)
{
    return target.kind == LayoutEntryKind::Key ? target.nKey : 100 + static_cast<int>(target.kind);
}

struct NamedSlot
{
    LayoutEntryKind kind;
    const char* pszName;
    const char* pszWithout;  // what a skin without it shows; null for an entry a skin may leave out
};

const NamedSlot g_namedSlots[] = {
    {LayoutEntryKind::CharBackground, "CharBackground", "the character view has no background"},
    {LayoutEntryKind::SymbolBackground, "SymbolBackground", "the symbol view has no background"},
    {LayoutEntryKind::NumberBackground, "NumberBackground", "the number view has no background"},
    {LayoutEntryKind::EditView, "char_editview", "the typed text has no place to show"},
    {LayoutEntryKind::CharView, "char_charview", "the pressed key's label has no place to show"},
    // Without it, offered words take the edit view's last line.
    {LayoutEntryKind::WordView, "char_wordview", nullptr},
};

std::wstring Lower(const std::wstring& text)
{
    std::wstring out = text;
    std::transform(out.begin(), out.end(), out.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return out;
}

// The known entry name that differs from text only in case, if any.
std::wstring SameButCase(const std::wstring& text)
{
    const std::wstring lower = Lower(text);
    for (const NamedSlot& slot : g_namedSlots)
    {
        const std::wstring name(slot.pszName, slot.pszName + std::char_traits<char>::length(slot.pszName));
        if (Lower(name) == lower)
            return name;
    }
    for (const wchar_t* psz : {L"Orientation", L"DefaultBackground"})
    {
        if (Lower(psz) == lower)
            return psz;
    }
    for (int i = 0; i < KEY_COUNT; ++i)
    {
        if (Lower(FindKeyInfo(i)->pszEntry) == lower)
            return FindKeyInfo(i)->pszEntry;
    }
    return L"";
}

int ClampToInt(long long n)
{
    return static_cast<int>(std::min<long long>(n, 0x7FFFFFFF));
}

// How far [a, a + na) and [b, b + nb) share; 0 or less when they do not meet.
long long OverlapLength(int a, int na, int b, int nb)
{
    return std::min<long long>(static_cast<long long>(a) + na, static_cast<long long>(b) + nb) - std::max(a, b);
}

const char* ViewName(int nView)
{
    switch (nView)
    {
    case VIEW_CHAR: return "character";
    case VIEW_SYMBOL: return "symbol";
    case VIEW_NUMBER: return "number";
    default: return "every";
    }
}

class CLayoutAudit
{
public:
    CLayoutAudit(const LayoutModel& model, const BitmapTable& bitmaps, const std::vector<CheckedScreen>& screens,
                 CFindings& findings)
        : m_model(model), m_bitmaps(bitmaps), m_screens(screens), m_findings(findings), m_file(model.file)
    {
    }

    void Run()
    {
        if (!m_model.bPresent)
        {
            m_findings.Error(m_file, "",
                             "is not in the skin folder; the keyboard will not open on the screens that use it");
            return;
        }
        if (!m_model.bReadable)
        {
            m_findings.Error(m_file, "",
                             "cannot be read as an XML document; the keyboard will not open on the screens that use "
                             "it");
            return;
        }
        CollectEntries();
        CheckDesign();
        CheckOrder();
        CheckMissing();
        CheckRectangles();
        CheckOverlaps();
        CheckBitmaps();
        CheckScreens();
        CheckWordView();
        CheckAlternates();
    }

private:
    std::string Describe(const LayoutEntryRecord& record) const
    {
        return DescribeEntry(record.nChild, record.text);
    }

    // Notes every entry the loader ignores, and keeps the others in file order, with the
    // last entry for each slot (a later one replaces an earlier one).
    void CollectEntries()
    {
        for (const LayoutEntryRecord& record : m_model.entries)
        {
            if (record.text.empty())
            {
                m_findings.Warning(m_file, Printf("child %d", record.nChild),
                                   "has no text, so it names no entry; the loader ignores it");
                continue;
            }
            if (!record.bHasAttributes)
            {
                m_findings.Warning(m_file, Describe(record), "has no attributes; the loader ignores it");
                continue;
            }
            if (record.bEnded)
            {
                m_findings.Error(m_file, Describe(record), "an attribute could not be read; the loader ignores it");
                continue;
            }
            if (record.target.kind == LayoutEntryKind::Ignored)
            {
                const std::wstring suggestion = SameButCase(record.text);
                m_findings.Warning(m_file, Describe(record),
                                   suggestion.empty()
                                       ? std::string("names no entry; the loader ignores it")
                                       : "names no entry (names are case-sensitive: \"" + Narrow(suggestion) +
                                             "\"?); the loader ignores it");
                continue;
            }
            m_live.push_back(&record);
            if (record.target.kind == LayoutEntryKind::Orientation)
            {
                if (m_pOrientation == nullptr)
                    m_pOrientation = &record;
                else if (record.values.nOrientationValue != m_nOrientation)
                    m_findings.Warning(m_file, Describe(record),
                                       "changes the design orientation again; entries above it were placed with "
                                       "the earlier one");
                m_nOrientation = record.values.nOrientationValue;
            }
            else if (record.target.kind == LayoutEntryKind::DefaultBackground)
            {
                if (m_pBackground == nullptr)
                    m_pBackground = &record;
                else if (record.values.nBackgroundWidth != m_nWidth || record.values.nBackgroundHeight != m_nHeight)
                    m_findings.Warning(m_file, Describe(record),
                                       "changes the design size again; entries above it were placed with the "
                                       "earlier one");
                m_nWidth = record.values.nBackgroundWidth;
                m_nHeight = record.values.nBackgroundHeight;
            }
            else
            {
                const auto found = m_last.find(SlotOf(record.target));
                if (found != m_last.end())
                    m_findings.Warning(m_file, Describe(record),
                                       Printf("repeats the entry of child %d and replaces it", found->second->nChild));
                m_last[SlotOf(record.target)] = &record;
            }
        }
    }

    void CheckDesign()
    {
        if (m_pOrientation == nullptr)
            m_findings.Error(m_file, "",
                             "has no \"Orientation\" entry with attributes; keys are placed with the design "
                             "orientation of whatever skin was loaded before");
        for (const LayoutEntryRecord* pRecord : m_live)
        {
            if (pRecord->target.kind == LayoutEntryKind::Orientation &&
                pRecord->values.nOrientationValue != kLandscapeDesign &&
                pRecord->values.nOrientationValue != kPortraitDesign)
                m_findings.Error(m_file, Describe(*pRecord),
                                 Printf("OrientationValue %d is neither 4 (drawn for landscape screens) nor 5 (drawn "
                                        "for portrait screens); it is shown as drawn for portrait screens",
                                        pRecord->values.nOrientationValue));
            if (pRecord->target.kind == LayoutEntryKind::DefaultBackground &&
                (pRecord->values.nBackgroundWidth <= 0 || pRecord->values.nBackgroundHeight <= 0))
                m_findings.Error(m_file, Describe(*pRecord),
                                 Printf("the design area %dx%d (BackgroundWidth x BackgroundHeight) is empty",
                                        pRecord->values.nBackgroundWidth, pRecord->values.nBackgroundHeight));
        }
        if (m_pBackground == nullptr)
            m_findings.Error(m_file, "",
                             "has no \"DefaultBackground\" entry with attributes; keys are placed with the design "
                             "size of whatever skin was loaded before");
    }

    void CheckOrder()
    {
        for (const LayoutEntryRecord* pRecord : m_live)
        {
            if (!IsPlaced(pRecord->target.kind))
                continue;
            if (m_pOrientation != nullptr && pRecord->nChild < m_pOrientation->nChild)
                m_findings.Error(m_file, Describe(*pRecord),
                                 "comes before \"Orientation\": the loader places it with the orientation of the skin "
                                 "loaded before");
            if (m_pBackground != nullptr && pRecord->nChild < m_pBackground->nChild)
                m_findings.Error(m_file, Describe(*pRecord),
                                 "comes before \"DefaultBackground\": the loader places it with the design size of "
                                 "the skin loaded before");
        }
    }

    void CheckMissing()
    {
        for (int i = 0; i < KEY_COUNT; ++i)
        {
            if (m_last.count(i) == 0)
                m_findings.Error(m_file, "",
                                 "has no entry \"" + Narrow(FindKeyInfo(i)->pszEntry) +
                                     "\": that key keeps the rectangle of the skin loaded before and has no pressed "
                                     "image");
        }
        for (const NamedSlot& slot : g_namedSlots)
        {
            if (slot.pszWithout != nullptr && m_last.count(SlotOf({slot.kind, KEY_NONE})) == 0)
                m_findings.Error(m_file, "", Printf("has no entry \"%s\": %s", slot.pszName, slot.pszWithout));
        }
    }

    void CheckRectangles()
    {
        for (const auto& slot : m_last)
        {
            const LayoutEntryRecord& record = *slot.second;
            if (!HasRectangle(record.target.kind))
                continue;
            const LayoutValues& v = record.values;
            if (v.nWidth <= 0 || v.nHeight <= 0)
            {
                m_findings.Error(m_file, Describe(record),
                                 Printf("its rectangle has no area (Width %d, Height %d)", v.nWidth, v.nHeight));
                continue;
            }
            if (m_nWidth <= 0 || m_nHeight <= 0)
                continue;
            const long long nRight = static_cast<long long>(v.nLeft) + v.nWidth;
            const long long nBottom = static_cast<long long>(v.nTop) + v.nHeight;
            if (v.nLeft < 0 || v.nTop < 0 || nRight > m_nWidth || nBottom > m_nHeight)
                m_findings.Error(m_file, Describe(record),
                                 Printf("its rectangle at (%d, %d), %dx%d, reaches outside the design area %dx%d",
                                        v.nLeft, v.nTop, v.nWidth, v.nHeight, m_nWidth, m_nHeight));
        }
    }

    void CheckOverlaps()
    {
        std::vector<const LayoutEntryRecord*> keys;
        for (const auto& slot : m_last)
        {
            const LayoutEntryRecord& record = *slot.second;
            if (record.target.kind == LayoutEntryKind::Key && record.values.nWidth > 0 && record.values.nHeight > 0)
                keys.push_back(&record);
        }
        for (std::size_t i = 0; i < keys.size(); ++i)
        {
            for (std::size_t j = i + 1; j < keys.size(); ++j)
            {
                const int nViewA = GetDefaultKeyView(keys[i]->target.nKey);
                const int nViewB = GetDefaultKeyView(keys[j]->target.nKey);
                if (nViewA != nViewB && nViewA != VIEW_ALL && nViewB != VIEW_ALL)
                    continue;
                const LayoutValues& a = keys[i]->values;
                const LayoutValues& b = keys[j]->values;
                const long long cx = std::min<long long>(static_cast<long long>(a.nLeft) + a.nWidth,
                                                         static_cast<long long>(b.nLeft) + b.nWidth) -
                                     std::max(a.nLeft, b.nLeft);
                const long long cy = std::min<long long>(static_cast<long long>(a.nTop) + a.nHeight,
                                                         static_cast<long long>(b.nTop) + b.nHeight) -
                                     std::max(a.nTop, b.nTop);
                if (cx <= 0 || cy <= 0)
                    continue;
                const int nView = nViewA == VIEW_ALL ? nViewB : nViewA;
                m_findings.Error(m_file, Describe(*keys[i]),
                                 Printf("overlaps %s by %dx%d pixels in the %s view%s; a touch there hits only one "
                                        "of them",
                                        DescribeEntry(keys[j]->nChild, keys[j]->text).c_str(), ClampToInt(cx), ClampToInt(cy),
                                        ViewName(nView), nView == VIEW_ALL ? "s" : ""));
            }
        }
    }

    void CheckBitmaps()
    {
        for (const auto& slot : m_last)
        {
            const LayoutEntryRecord& record = *slot.second;
            if (!HasBitmap(record.target.kind))
                continue;
            const bool bKey = record.target.kind == LayoutEntryKind::Key;
            const char* pszWhat = bKey ? "pressed image" : "background";
            const LayoutValues& v = record.values;
            if (!v.bBitmapNamed)
            {
                m_findings.Error(m_file, Describe(record), Printf("names no %s (DefaultPath)", pszWhat));
                continue;
            }
            if (v.szBitmapName[0] == L'\0')
            {
                m_findings.Error(m_file, Describe(record),
                                 Printf("its %s name (DefaultPath) is empty or too long for a path", pszWhat));
                continue;
            }
            const std::string name = Narrow(v.szBitmapName);
            const auto found = m_bitmaps.find(v.szBitmapName);
            const BitmapFacts facts = found != m_bitmaps.end() ? found->second : BitmapFacts{};
            switch (facts.state)
            {
            case BitmapFacts::State::Missing:
                m_findings.Error(m_file, Describe(record),
                                 Printf("its %s \"%s\" is not in the skin folder", pszWhat, name.c_str()));
                continue;
            case BitmapFacts::State::IsFolder:
                m_findings.Error(m_file, Describe(record),
                                 Printf("its %s \"%s\" is a folder, not a bitmap", pszWhat, name.c_str()));
                continue;
            case BitmapFacts::State::Unreadable:
                m_findings.Error(m_file, Describe(record),
                                 Printf("its %s \"%s\" cannot be read as a Windows bitmap (.bmp)", pszWhat,
                                        name.c_str()));
                continue;
            case BitmapFacts::State::Loaded:
                break;
            }
            // A key without area is reported as such; its image cannot match it either.
            if (bKey && v.nWidth > 0 && v.nHeight > 0 && (facts.nWidth != v.nWidth || facts.nHeight != v.nHeight))
                m_findings.Error(m_file, Describe(record),
                                 Printf("its pressed image \"%s\" is %dx%d but the key is %dx%d", name.c_str(),
                                        facts.nWidth, facts.nHeight, v.nWidth, v.nHeight));
            if (!bKey && m_nWidth > 0 && m_nHeight > 0 && (facts.nWidth != m_nWidth || facts.nHeight != m_nHeight))
                m_findings.Warning(m_file, Describe(record),
                                   Printf("its background \"%s\" is %dx%d but the design area is %dx%d", name.c_str(),
                                          facts.nWidth, facts.nHeight, m_nWidth, m_nHeight));
        }
    }

    void CheckScreens()
    {
        std::set<int> dpisSeen;
        for (const CheckedScreen& screen : m_screens)
        {
            const int w = screen.size.nWidth, h = screen.size.nHeight;
            const char* pszClass = ShortSideOf(w, h) >= 480 ? "VGA" : "QVGA";
            // Without an orientation of its own the layout takes the previous skin's, and its
            // turn is unknown; that is reported already. Any value it sets has a turn.
            if (m_pOrientation != nullptr && m_nWidth > 0 && m_nHeight > 0)
            {
                for (bool bLeft : {false, true})
                {
                    const SkinTurn turn = ChooseSkinTurn(OrientationOf(w, h), m_nOrientation, bLeft);
                    const int cx = turn == SkinTurn::None ? m_nWidth : m_nHeight;
                    const int cy = turn == SkinTurn::None ? m_nHeight : m_nWidth;
                    if (cx > w || cy > h)
                        m_findings.Error(m_file, "",
                                         Printf("the design area %dx%d is shown as %dx%d on a %dx%d screen and does "
                                                "not fit it",
                                                m_nWidth, m_nHeight, cx, cy, w, h));
                }
            }
            if (!dpisSeen.insert(screen.nDpi).second)
                continue;
            const double dMinimum = kMinimumKeyMillimetres * screen.nDpi / 25.4;
            for (const auto& slot : m_last)
            {
                const LayoutEntryRecord& record = *slot.second;
                const LayoutValues& v = record.values;
                if (record.target.kind != LayoutEntryKind::Key || v.nWidth <= 0 || v.nHeight <= 0)
                    continue;
                if (v.nWidth < dMinimum || v.nHeight < dMinimum)
                    m_findings.Warning(m_file, Describe(record),
                                       Printf("the key is %dx%d pixels, %.1f x %.1f mm at %d DPI (%s screens); keys "
                                              "under %.0f mm are hard to hit with a finger",
                                              v.nWidth, v.nHeight, v.nWidth * 25.4 / screen.nDpi,
                                              v.nHeight * 25.4 / screen.nDpi, screen.nDpi, pszClass,
                                              kMinimumKeyMillimetres));
            }
        }
    }

    const LayoutEntryRecord* Placed(LayoutEntryKind kind) const
    {
        const auto found = m_last.find(SlotOf({kind, KEY_NONE}));
        return found != m_last.end() && found->second->values.nWidth > 0 && found->second->values.nHeight > 0
                   ? found->second
                   : nullptr;
    }

    // The place of the offered words: a touch there goes to them, so no key may lie
    // beneath; the text areas it covers are hidden while words show; its lines are as
    // high as a finger needs, like keys.
    void CheckWordView()
    {
        const LayoutEntryRecord* pWords = Placed(LayoutEntryKind::WordView);
        if (pWords == nullptr)
            return;
        for (const auto& slot : m_last)
        {
            const LayoutEntryRecord& other = *slot.second;
            const bool bKey = other.target.kind == LayoutEntryKind::Key;
            if (!bKey && other.target.kind != LayoutEntryKind::EditView && other.target.kind != LayoutEntryKind::CharView)
                continue;
            const long long cx = OverlapLength(pWords->values.nLeft, pWords->values.nWidth, other.values.nLeft,
                                               other.values.nWidth);
            const long long cy = OverlapLength(pWords->values.nTop, pWords->values.nHeight, other.values.nTop,
                                               other.values.nHeight);
            if (cx <= 0 || cy <= 0)
                continue;
            const std::string what = Printf("overlaps %s by %dx%d pixels", DescribeEntry(other.nChild, other.text).c_str(),
                                            ClampToInt(cx), ClampToInt(cy));
            if (bKey)
                m_findings.Error(m_file, Describe(*pWords),
                                 what + "; a touch there reaches the offered words, never the key");
            else
                m_findings.Warning(m_file, Describe(*pWords), what + "; what it shows is hidden while words are offered");
        }
        std::set<int> dpisSeen;
        for (const CheckedScreen& screen : m_screens)
        {
            const double dMinimum = kMinimumKeyMillimetres * screen.nDpi / 25.4;
            if (dpisSeen.insert(screen.nDpi).second && pWords->values.nHeight < dMinimum)
                m_findings.Warning(m_file, Describe(*pWords),
                                   Printf("the words' line is %d pixels high, %.1f mm at %d DPI; words under %.0f mm "
                                          "are hard to hit with a finger",
                                          pWords->values.nHeight, pWords->values.nHeight * 25.4 / screen.nDpi,
                                          screen.nDpi, kMinimumKeyMillimetres));
        }
    }

    void CheckAlternates()
    {
        for (const auto& slot : m_last)
        {
            const LayoutEntryRecord& record = *slot.second;
            const std::wstring& text = record.alternates;
            if (record.target.kind != LayoutEntryKind::Key || text.empty())
                continue;
            const std::string shown = "its Alternates \"" + Narrow(text) + "\"";
            std::set<wchar_t> seen;
            int nOffered = 0;
            for (std::size_t i = 0; i < text.size(); ++i)
            {
                const wchar_t ch = text[i];
                if (!IsSingleUnitCharacter(ch))
                {
                    ReportWideCharacter(record, shown, text, i);
                    continue;
                }
                ++nOffered;
                const std::string one = Narrow(std::wstring(1, ch));
                if (m_model.missingGlyphs.count(ch) != 0)
                    m_findings.Error(m_file, Describe(record),
                                     Printf("%s hold U+%04X, which the keys' label font has no glyph for; the "
                                            "keyboard shows an empty box there",
                                            shown.c_str(), static_cast<unsigned>(ch)));
                else if (!seen.insert(ch).second)
                    m_findings.Warning(m_file, Describe(record),
                                       Printf("%s offer \"%s\" more than once", shown.c_str(), one.c_str()));
            }
            if (nOffered > kMaxAlternates)
                m_findings.Warning(m_file, Describe(record),
                                   Printf("%s are %d characters long; the keyboard offers only the first %d",
                                          shown.c_str(), nOffered, kMaxAlternates));
        }
    }

    // A character of text at i that takes two UTF-16 units (or a half of one without
    // its other half): a strip cell holds one unit, so the keyboard leaves it out.
    // A whole pair moves i past its second half.
    void ReportWideCharacter(const LayoutEntryRecord& record, const std::string& shown, const std::wstring& text,
                             std::size_t& i)
    {
        const unsigned long nUnit = static_cast<unsigned long>(text[i]);
        const unsigned long nNext = i + 1 < text.size() ? static_cast<unsigned long>(text[i + 1]) : 0;
        const bool bPair = nUnit >= 0xD800 && nUnit <= 0xDBFF && nNext >= 0xDC00 && nNext <= 0xDFFF;
        if (nUnit > 0xFFFF || bPair)
        {
            const unsigned long nCode = bPair ? 0x10000 + ((nUnit - 0xD800) << 10) + (nNext - 0xDC00) : nUnit;
            i += bPair ? 1 : 0;
            m_findings.Error(m_file, Describe(record),
                             Printf("%s hold U+%04lX, which lies beyond the Basic Multilingual Plane; a cell of the "
                                    "strip holds one UTF-16 unit, so the keyboard leaves it out",
                                    shown.c_str(), nCode));
            return;
        }
        m_findings.Error(m_file, Describe(record),
                         Printf("%s hold U+%04lX, half of a surrogate pair without its other half; the keyboard "
                                "leaves it out",
                                shown.c_str(), nUnit));
    }

    const LayoutModel& m_model;
    const BitmapTable& m_bitmaps;
    const std::vector<CheckedScreen>& m_screens;
    CFindings& m_findings;
    const std::string m_file;

    std::vector<const LayoutEntryRecord*> m_live;
    std::map<int, const LayoutEntryRecord*> m_last;
    const LayoutEntryRecord* m_pOrientation = nullptr;
    const LayoutEntryRecord* m_pBackground = nullptr;
    int m_nOrientation = 0;
    int m_nWidth = 0;
    int m_nHeight = 0;
};

}  // namespace

void AuditLayout(const LayoutModel& model, const BitmapTable& bitmaps, const std::vector<CheckedScreen>& screens,
                 CFindings& findings)
{
    CLayoutAudit(model, bitmaps, screens, findings).Run();
}
