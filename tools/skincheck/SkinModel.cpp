#include "SkinModel.h"
#include "device/harness/TextUtf.h"

#include "Findings.h"
#include "support/ScreenRules.h"

std::vector<CheckedScreen> SupportedScreens(int nDpiOverride)
{
    const ScreenSize sizes[] = {{240, 320}, {320, 240}, {240, 400}, {400, 240},
                                {480, 640}, {640, 480}, {480, 800}, {800, 480}};
    std::vector<CheckedScreen> screens;
    for (const ScreenSize& size : sizes)
    {
        const bool bVga = ClassifyResolution(size.nWidth, size.nHeight) == ResolutionClass::Vga;
        screens.push_back({size, nDpiOverride > 0 ? nDpiOverride : (bVga ? 192 : 96)});
    }
    return screens;
}

std::string DescribeEntry(int nChild, const std::wstring& text)
{
    constexpr std::size_t kShown = 40;
    std::string shown = Narrow(text.size() > kShown ? text.substr(0, kShown) : text);
    if (text.size() > kShown)
        shown += "...\" (" + std::to_string(text.size()) + " characters)";
    else
        shown += "\"";
    return Printf("child %d \"", nChild) + shown;
}
