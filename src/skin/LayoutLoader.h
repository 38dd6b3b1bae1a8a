#pragma once
#include <windows.h>
#include <msxml.h>

// Reading a skin's layout file into the skin record: every rectangle is mapped to the
// screen and every bitmap prepared as it is read, so the keyboard uses them as they are.

// 1 when the layout document could be read (whatever its entries held), 0 when the file
// cannot be opened or parsed, COM fails, or memory ran out while an entry was read (a
// keyboard missing a key the user cannot tell is gone is worse than none).
int LoadLayoutFile(LPCWSTR pszPath, HINSTANCE hInstance, HWND hwnd);

// Reads one entry of a layout into the skin record; entries without text, without
// attributes or with an unknown text change nothing. False when memory ran out before
// the entry's attributes were all read: the entry is then left out.
bool ReadLayoutEntry(IXMLDOMNode* pNode, HINSTANCE hInstance, HWND hwnd);

// A design rectangle (left, top, width, height) of a skin with design orientation
// nOrientation and a design area of nBackgroundWidth x nBackgroundHeight, turned for the
// screen's current orientation and the user's hand.
RECT ComputeKeyRect(int nLeft, int nTop, int nWidth, int nHeight, int nOrientation,
                    int nBackgroundWidth, int nBackgroundHeight);
