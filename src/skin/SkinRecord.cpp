#include "skin/SkinRecord.h"

#include "support/RecordList.h"

SkinRecord g_skin = {};

namespace {

void DeleteBitmapField(HBITMAP& hBitmap)
{
    if (hBitmap != nullptr)
    {
        DeleteObject(hBitmap);
        hBitmap = nullptr;
    }
}

}  // namespace

void ReleaseSkin()
{
    for (KeyRecord& key : g_skin.keys)
        DeleteBitmapField(key.hPressedImage);
    delete g_skin.pResolutionList;
    g_skin.pResolutionList = nullptr;
    DeleteBitmapField(g_skin.hCharBackground);
    DeleteBitmapField(g_skin.hNumberBackground);
    DeleteBitmapField(g_skin.hSymbolBackground);
}
