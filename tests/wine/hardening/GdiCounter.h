#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Wine's GetGuiResources reports 0 for every process, so leaks are counted here: the
// GDI, DC and menu functions this program imports are redirected (in its own import
// table) to wrappers that remember every object created and forget it when it is
// deleted or released. Everything the product code linked into this program creates is
// counted; windows, the other USER objects, are counted by enumerating them.

class CGdiCounter
{
public:
    // Patches the import table once; later calls do nothing. False when a function
    // could not be redirected.
    static bool Install();

    // Objects created through the counted functions and not yet deleted, plus window
    // DCs not yet released.
    static long Live();

    // Menus loaded and not yet destroyed.
    static long LiveMenus();

    // The objects and DCs that Live counts, for telling which ones a run left behind.
    static std::vector<void*> LiveObjects();

    // One object in words: its kind, and a bitmap's size or a font's height and face.
    static std::string Describe(void* hObject);
};
