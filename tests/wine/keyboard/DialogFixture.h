#pragma once
#include "KeyboardTestSupport.h"
#include "skin/TestSkin.h"

#include "keyboard/KeyboardFonts.h"
#include "sip/SipPanel.h"
#include "sip/TestStateGuards.h"
#include "support/ModuleInstance.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// How the test skin is drawn (its layout's orientation value, 4 for landscape) and the hand.
struct DialogCase
{
    int nDesign;
    DWORD dwHabit;
};

inline std::string DialogCaseName(const testing::TestParamInfo<DialogCase>& info)
{
    return (info.param.nDesign != 4 ? "Orientation" + std::to_string(info.param.nDesign) : std::string()) +
           (info.param.dwHabit != 0 ? "LeftHanded" : "RightHanded");
}

// The keyboard dialog on the test skin, with the text font of slot 1 as the input method
// makes it at its first activation.
class KeyboardDialog : public testing::TestWithParam<DialogCase>
{
protected:
    void SetUp() override
    {
        if (IsSquareScreen())
            GTEST_SKIP() << "the dialog keeps the template's places on a square screen";
        m_pPanel = std::make_unique<SipPanel>(g_hInstance);
        EnsureTextFont();
        ASSERT_EQ(1, m_skin.Load(GetParam().dwHabit));
        CreatePreviewFonts(m_fontSource.Window());
    }
    void TearDown() override { ReleaseKeyboardFonts(); }

    std::wstring Typed() const { return m_pPanel->m_pBuffer != nullptr ? m_pPanel->m_pBuffer : L"<null>"; }

    CTestSkin m_skin{TestSkinOptions{GetParam().nDesign, true}};
    CFontSource m_fontSource;
    // Made after the screen check: a panel on an unsupported screen brings up a message box.
    std::unique_ptr<SipPanel> m_pPanel;
};
