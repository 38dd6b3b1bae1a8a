#pragma once
#include <windows.h>

// The texts an opening of the keyboard hands back to whoever opened it. Both are
// new[]-allocated, NUL-terminated, or null, and owned by the holder.
class CKeyboardTexts
{
public:
    // Text typed in the keyboard, to be delivered.
    WCHAR* m_pBuffer = nullptr;
    // Text kept when the keyboard was left without confirming, shown at the next opening.
    WCHAR* m_pUnprocStr = nullptr;
};
