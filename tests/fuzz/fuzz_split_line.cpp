// SplitLine over arbitrary text and separators, in a buffer of exactly the text's size
// (so any read or write past it is caught): the lines, joined again with the separator,
// must give back the text; no line may hold the separator; and the splitting must end
// within one call per unit of text.
#include "FuzzInput.h"
#include "sip/SplitLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t cbData)
{
    CFuzzInput input(pData, cbData);
    const std::wstring separator = UpToZero(input.Text(input.Byte() % 5));
    const std::wstring text = UpToZero(input.Text(cbData / 2));
    std::vector<wchar_t> work(text.c_str(), text.c_str() + text.size() + 1);

    std::wstring joined;
    wchar_t* pNext = nullptr;
    wchar_t* pszLine = SplitLine(work.data(), separator.c_str(), &pNext);
    for (std::size_t nCalls = 1;; ++nCalls)
    {
        Check(pszLine != nullptr && nCalls <= text.size() + 1);
        const std::wstring line = pszLine;
        Check(separator.empty() || line.find(separator) == std::wstring::npos);
        joined += line;
        if (pNext == nullptr)
            break;
        joined += separator;
        pszLine = SplitLine(nullptr, separator.c_str(), &pNext);
    }
    Check(joined == text);
    return 0;
}
