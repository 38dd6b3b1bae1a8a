#include "ArtWriter.h"

#include "BannerArt.h"
#include "BarArt.h"
#include "IconArt.h"

namespace {

// File names by action, as the resource scripts name them.
const char* const kButtonNames[kBarButtonCount] = {"keyboard", "copy",  "selectall", "cut",
                                                   "enter",    "paste", "backspace", "options"};

bool WriteBar(const COutputFolder& art, const char* pszClass, const BarButtonLayout& layout, int nScale,
              CTextPainter& text)
{
    const BarImages images = PaintBar(layout, nScale, text);
    bool bOk = art.WriteBitmap(std::string("bar_") + pszClass + ".bmp", images.bar);
    for (int i = 0; i < kBarButtonCount; ++i)
        bOk = art.WriteBitmap(std::string("bar_") + pszClass + "_" + kButtonNames[i] + ".bmp", images.pressed[i]) && bOk;
    return bOk;
}

}  // namespace

bool WriteResourceArt(const COutputFolder& art, CTextPainter& text)
{
    bool bOk = WriteBar(art, "qvga", GetQvgaBarLayout(), 1, text);
    bOk = WriteBar(art, "vga", GetVgaBarLayout(), 2, text) && bOk;
    bOk = art.WriteBitmap("icons_small.bmp", PaintIconStrip(16)) && bOk;
    bOk = art.WriteBitmap("icons_large.bmp", PaintIconStrip(32)) && bOk;
    // Landscape banners are shown centred on a screen 80 (160) pixels narrower than
    // they are, portrait ones likewise: the middle must carry the content.
    bOk = art.WriteBitmap("banner_qvga_wide.bmp", PaintBanner(400, 50, 320, text)) && bOk;
    bOk = art.WriteBitmap("banner_qvga_narrow.bmp", PaintBanner(320, 60, 240, text)) && bOk;
    bOk = art.WriteBitmap("banner_vga_wide.bmp", PaintBanner(800, 100, 640, text)) && bOk;
    bOk = art.WriteBitmap("banner_vga_narrow.bmp", PaintBanner(640, 120, 480, text)) && bOk;
    return bOk;
}
