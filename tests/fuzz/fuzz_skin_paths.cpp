// Composes skin paths from arbitrary folder and file names (the names come from the skins
// folder and from the skin's own documents) into buffers of exactly the capacity given, so
// any write past one is caught: a path is either whole or refused with an empty buffer,
// also when the folder is extended in place.
#include "FuzzInput.h"
#include "skin/SkinPaths.h"

#include <cwchar>

namespace {

// The result against the text expected; a refusal leaves an empty buffer when it has room.
void CheckResult(bool bDone, const std::vector<wchar_t>& out, const std::wstring& expected)
{
    Check(bDone == (expected.size() < out.size()));
    if (bDone)
        Check(expected == out.data());
    else
        Check(out.empty() || out[0] == L'\0');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t cbData)
{
    CFuzzInput input(pData, cbData);
    const std::size_t nCapacity = input.Byte() | (input.Byte() & 0x01) << 8;
    const bool bInPlace = (input.Byte() & 0x01) != 0;
    const std::wstring folder = UpToZero(input.Text(input.Length()));
    const std::wstring name = UpToZero(input.Text(input.Length()));

    std::vector<wchar_t> out(nCapacity, L'#');
    const bool bFolderInside = bInPlace && folder.size() < nCapacity;
    if (bFolderInside)
        std::wmemcpy(out.data(), folder.c_str(), folder.size() + 1);
    const bool bJoined = JoinSkinPath(out.data(), nCapacity, bFolderInside ? out.data() : folder.c_str(), name.c_str());
    CheckResult(bJoined, out, folder + L'\\' + name);

    std::fill(out.begin(), out.end(), L'#');
    const std::size_t nDot = name.rfind(L'.');
    CheckResult(CopySkinName(out.data(), nCapacity, name.c_str()), out, name.substr(0, nDot));
    return 0;
}
