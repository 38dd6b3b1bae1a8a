#pragma once
#include <windows.h>

#include <vector>

// Wine's GetGuiResources reports 0 for every process, so leaks are counted here: the
// GDI, DC and menu functions this program imports are redirected (in its own import
// table) to wrappers that remember every object created and forget it when it is
// deleted or released. Windows, the other USER objects, are counted by enumerating them.
class CGdiCounter
{
public:
    // Patches the import table once; false when a function could not be redirected.
    static bool Install();

    // GDI objects not yet deleted plus DCs not yet released; menus not yet destroyed.
    static long Live();
    static long LiveMenus();

    // The objects and DCs that Live counts.
    static std::vector<void*> LiveObjects();
};
