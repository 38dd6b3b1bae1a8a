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
    Check(ParseSkinNumber(bytes.c_str()) == ReferenceNumber(bytes));

    const std::wstring text = CFuzzInput(pData, cbData).Text(cbData / 2);
    int nValue = 12345;
    Check(ParseAnsiNumber(CTestCodePage(), text.data(), text.size(), &nValue) && nValue == ReferenceNumber(text));
    return 0;
}
