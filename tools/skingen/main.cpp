// skingen: paints the keyboard skins and the resource artwork of Brevanto Keyboard.
//
//   skingen.exe SKINS_FOLDER ART_FOLDER
//
// Everything is computed, nothing is read: the same build gives the same bytes.
#include "ArtWriter.h"
#include "OutputFolder.h"
#include "SkinWriter.h"
#include "TextPainter.h"

#include <windows.h>

#include <cstdio>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3)
    {
        fwprintf(stderr, L"usage: skingen SKINS_FOLDER ART_FOLDER\n");
        return 2;
    }
    CTextPainter text;
    if (!text.IsReady())
    {
        fwprintf(stderr, L"skingen: the fonts \"%ls\" and \"%ls\" are not installed (fonts-dejavu)\n", kLabelFace,
                 kCondensedFace);
        return 1;
    }
    const COutputFolder skins(argv[1]);
    const COutputFolder art(argv[2]);
    if (!skins.Create() || !art.Create())
    {
        fwprintf(stderr, L"skingen: cannot create %ls or %ls\n", skins.Path().c_str(), art.Path().c_str());
        return 1;
    }
    bool bOk = true;
    for (const SkinTheme* pTheme : {&SilverTheme(), &MidnightTheme(), &GermanTheme(), &FrenchTheme()})
        bOk = WriteSkin(skins, *pTheme, text) && bOk;
    bOk = WriteResourceArt(art, text) && bOk;
    if (!bOk)
    {
        fwprintf(stderr, L"skingen: some files could not be written\n");
        return 1;
    }
    return 0;
}
