#pragma once
#include <windows.h>

#include "keyboard/RotatedFont.h"
#include "keyboard/TextDirection.h"

// The label of the pressed key, enlarged in the character view area, upright
// and turned both ways; and the typed text in the edit view area likewise.
extern CRotatedFont g_fontPreview0;
extern CRotatedFont g_fontPreview900;
extern CRotatedFont g_fontPreview2700;
extern CRotatedFont g_fontEdit0;
extern CRotatedFont g_fontEdit900;
extern CRotatedFont g_fontEdit2700;
// The labels of the alternates strip's cells, sized to its smallest cells.
extern CRotatedFont g_fontCell0;
extern CRotatedFont g_fontCell900;
extern CRotatedFont g_fontCell2700;

// Makes the preview fonts that are missing from the SIP bar window's font, 80 %
// of the character view area's extent across the text, bold; records the screen orientation the
// skin was loaded for. Called after each successful skin load.
void CreatePreviewFonts(HWND hwndSipBar);

// Empties all the fonts before a skin is loaded again.
void ReleaseKeyboardFonts();

// The preview or edit font that reads along the skin for a given turn.
CRotatedFont& PreviewFontFor(TextTurn turn);
CRotatedFont& EditFontFor(TextTurn turn);
CRotatedFont& CellFontFor(TextTurn turn);
