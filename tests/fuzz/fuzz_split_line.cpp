// SplitLine over arbitrary text and separators, in a buffer of exactly the text's size
// (so any read or write past it is caught): the lines, joined again with the separator,
// must give back the text; no line may hold the separator; and the splitting must end
// within one call per unit of text.
#include "FuzzInput.h"
#include "sip/SplitLine.h"

#include <cwchar>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t cbData)
{
    CFuzzInput input(pData, cbData);
    const std::wstring separator = UpToZero(input.Text(input.Byte() % 5));
    const std::wstring text = UpToZero(input.Text(cbData / 2));

    std::unique_ptr<wchar_t[]> pWork(new wchar_t[text.size() + 1]);
    std::wmemcpy(pWork.get(), text.c_str(), text.size() + 1);

    std::wstring joined;
    wchar_t* pNext = nullptr;
    wchar_t* pszLine = SplitLine(pWork.get(), separator.c_str(), &pNext);
    for (std::size_t nCalls = 1;; ++nCalls)
    {
        if (pszLine == nullptr || nCalls > text.size() + 1)
            std::abort();
        const std::wstring line = pszLine;
        if (!separator.empty() && line.find(separator) != std::wstring::npos)
            std::abort();
        joined += line;
        if (pNext == nullptr)
            break;
        joined += separator;
        pszLine = SplitLine(nullptr, separator.c_str(), &pNext);
    }
    if (joined != text)
        std::abort();
    return 0;
}
