#include "SkinWriter.h"
#include "device/harness/TextUtf.h"

#include "KeyboardPlan.h"
#include "SkinDocuments.h"
#include "SkinPainter.h"

namespace {

struct ResolutionClass
{
    int nClass;  // the screen's shorter side
    int nScale;
};

constexpr ResolutionClass kClasses[] = {{240, 1}, {480, 2}};

bool WriteLayout(const COutputFolder& folder, const SkinTheme& theme, const ResolutionClass& rc, CTextPainter& text)
{
    const KeyboardPlan plan = BuildKeyboardPlan(rc.nScale, theme.arrangement);
    const SkinImages images = PaintSkin(theme, plan, text);
    bool bOk = true;
    for (int nView : {VIEW_CHAR, VIEW_SYMBOL, VIEW_NUMBER})
        bOk = folder.WriteBitmap(BackgroundFileName(rc.nClass, nView), images.Background(nView)) && bOk;
    for (int nKey = 0; nKey < KEY_COUNT; ++nKey)
        bOk = folder.WriteBitmap(KeyImageFileName(rc.nClass, nKey), images.pressed[nKey]) && bOk;
    const std::string comment = Narrow(theme.pszDescription) + "; " + std::to_string(plan.nWidth) + " x " +
                                std::to_string(plan.nHeight) + ", drawn for a landscape screen";
    return folder.WriteText(LayoutFileName(rc.nClass), BuildLayoutDocument(comment, plan, rc.nClass)) && bOk;
}

}  // namespace

bool WriteSkin(const COutputFolder& skins, const SkinTheme& theme, CTextPainter& text)
{
    const COutputFolder folder = skins.Sub(theme.pszName);
    if (!folder.Create())
        return false;
    bool bOk = true;
    std::vector<IndexEntry> entries;
    int nId = 1;
    for (const ResolutionClass& rc : kClasses)
    {
        bOk = WriteLayout(folder, theme, rc, text) && bOk;
        entries.push_back({nId++, rc.nClass * 4 / 3, rc.nClass, LayoutFileName(rc.nClass), theme.pszLanguage});
    }
    const std::string comment = Narrow(theme.pszDescription) + " (Brevanto Keyboard skin)";
    return skins.WriteText(AsciiFileName(theme.pszName) + ".xml", BuildIndexDocument(comment, entries)) && bOk;
}
