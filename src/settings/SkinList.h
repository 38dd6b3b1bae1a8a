#pragma once
#include <windows.h>

class CRecordList;

// One installed skin, as the options dialog lists it.
struct SkinListEntry
{
    WCHAR szDisplayName[MAX_PATH];     // the index file's name before its last dot
    WCHAR szFileName[MAX_PATH];        // the index file's name, e.g. "Silver.xml"
};

// Appends a SkinListEntry to pList for every installed skin; the skin catalogue's
// EnumerateSkins, handed to the options dialog by whoever opens it.
using PfnListSkins = void (*)(CRecordList* pList, HINSTANCE hInstance);
