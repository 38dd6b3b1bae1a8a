// Number parsing of skin attributes: arbitrary bytes must read exactly as strtoll reads
// them in base 10, clamped to the int range, both straight and after the trip of the text
// through a code page.
#include "FuzzInput.h"
#include "common/TestCodePage.h"
#include "skin/AnsiCodePage.h"
#include "skin/SkinNumbers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t cbData)
{
    const std::string bytes(reinterpret_cast<const char*>(pData), cbData);
    const long long nReference = std::strtoll(bytes.c_str(), nullptr, 10);
    if (ParseSkinNumber(bytes.c_str()) != std::clamp<long long>(nReference, INT_MIN, INT_MAX))
        std::abort();

    CFuzzInput input(pData, cbData);
    const std::wstring text = input.Text(cbData / 2);
    const CTestCodePage codePage;
    int nValue = 12345;
    if (!ParseAnsiNumber(codePage, text.data(), text.size(), &nValue) || nValue != ReferenceNumber(text))
        std::abort();
    return 0;
}
