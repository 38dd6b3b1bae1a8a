#pragma once
#include <windows.h>

// The face name of the SIP window's font, filled at the first activation and
// passed to every font creation.
constexpr int kFaceNameUnits = 64;
extern WCHAR g_szFaceName[kFaceNameUnits];

// A process-wide cache of fonts addressed by slot number (0 to 49), so that
// painting never creates or deletes a font. A slot owns its font; all of them
// are deleted together when the module unloads. Slot 1 is the text font.
class CFontHelper
{
public:
    static constexpr int kSlots = 50;
    static constexpr int kTextFontSlot = 1;

    // The process-wide instance; it is destroyed, with its fonts, when the
    // module unloads.
    static CFontHelper& Instance();

    // Creates a font and stores it in the slot; null when creation fails (the
    // slot is then null) or the slot is out of range (nothing is stored).
    // Each slot is created once: a font already there is not deleted, since a
    // control or DC may still hold it.
    HFONT CreateFontInSlot(int nSlot, LONG nHeight, LONG nWeight, LPCWSTR pszFaceName,
                           BYTE bItalic, BYTE bUnderline, BYTE bStrikeOut);

    // The font in the slot, or null. The creation parameters are accepted for
    // the callers' convenience and not used: no font is created here.
    HFONT GetFont(int nSlot, LONG nHeight = 0, LONG nWeight = 0, LPCWSTR pszFaceName = nullptr) const;

    // Instances besides the process-wide one exist only in tests.
    CFontHelper();
    ~CFontHelper();
    CFontHelper(const CFontHelper&) = delete;
    CFontHelper& operator=(const CFontHelper&) = delete;

private:
    HFONT m_hFonts[kSlots];
};
