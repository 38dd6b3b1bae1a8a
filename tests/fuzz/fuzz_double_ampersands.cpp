// DoubleAmpersands on arbitrary text into a destination of exactly the documented size
// (so any write past it is caught): the copy must be the text with each ampersand
// written twice, and terminated.
#include "FuzzInput.h"
#include "keyboard/Ampersands.h"

#include <cwchar>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t cbData)
{
    CFuzzInput input(pData, cbData);
    const std::wstring text = UpToZero(input.Text(cbData / 2));
    const std::size_t nUnits = static_cast<std::size_t>(DoubledLengthFor(static_cast<int>(text.size())));
    std::unique_ptr<wchar_t[]> pDest(new wchar_t[nUnits]);
    std::wmemset(pDest.get(), L'#', nUnits);
    DoubleAmpersands(text.c_str(), pDest.get());

    std::wstring expected;
    for (wchar_t ch : text)
    {
        if (ch == L'&')
            expected.push_back(L'&');
        expected.push_back(ch);
    }
    if (wmemchr(pDest.get(), L'\0', nUnits) == nullptr || expected != pDest.get())
        std::abort();
    return 0;
}
