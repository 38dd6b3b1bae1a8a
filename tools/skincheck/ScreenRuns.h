#pragma once
#include <windows.h>

#include "LoadRuns.h"

#include <string>
#include <vector>

// Running the real loader on every screen size: the checker starts a copy of itself on a
// virtual desktop of each size (Wine's explorer /desktop), which loads every skin for both
// hands and writes what the loader made into a report file.

// The child's side: loads each skin (index file names in the skins folder next to the
// program) for both hands on the current screen and writes the report; with a render
// folder, also draws every view and latch state of each loaded skin there. 0 when written.
int RunLoaderHere(LPCWSTR pszReportPath, const std::vector<std::wstring>& skins, LPCWSTR pszRenderFolder);

// True under Wine, where virtual desktops of any size can be had.
bool CanRunOnOtherScreens();

// The parent's side: one child per screen; a screen whose child does not report back
// comes back with bRan false.
std::vector<ScreenRun> RunLoaderOnScreens(const std::vector<CheckedScreen>& screens,
                                          const std::vector<std::wstring>& skins, LPCWSTR pszRenderFolder);
