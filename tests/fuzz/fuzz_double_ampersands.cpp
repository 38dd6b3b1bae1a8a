// DoubleAmpersands on arbitrary text into a destination of exactly the documented size
// (so any write past it is caught): the copy must be the text with each ampersand
// written twice, and terminated.
#include "FuzzInput.h"
#include "keyboard/Ampersands.h"

#include <cwchar>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t cbData)
{
    const std::wstring text = UpToZero(CFuzzInput(pData, cbData).Text(cbData / 2));
    std::vector<wchar_t> dest(static_cast<std::size_t>(DoubledLengthFor(static_cast<int>(text.size()))), L'#');
    DoubleAmpersands(text.c_str(), dest.data());

    std::wstring expected;
    for (wchar_t ch : text)
        expected += ch == L'&' ? L"&&" : std::wstring(1, ch);
    Check(wmemchr(dest.data(), L'\0', dest.size()) != nullptr && expected == dest.data());
    return 0;
}
