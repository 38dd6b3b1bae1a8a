#pragma once
#include <windows.h>

#include "resources/resource.h"
#include "sip/DialogWatcher.h"
#include "words/WordSettings.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// What the user does in the options dialog, done from a watcher thread.
struct OptionsChoice
{
    int nSelectSkin = -1;                       // -1: leave the selection (unless a name is given)
    std::optional<std::wstring> selectSkinName; // select the item showing exactly this text
    int nClickRadio = 0;           // 0: leave the radio buttons
    bool bClickAccents = false;    // click the "Accents on long press" box
    int nTab = -1;                 // choose this tab first, as a tap on it does; -1: leave the tabs
    std::optional<WordSettings> words;  // set the Words tab's controls to these
    int nClearAnswer = 0;          // IDYES or IDNO: press "Clear learned words" and answer its question
    WORD wCloseCommand = IDM_OPTIONS_OK;
    bool bPressSoftKey = false;    // close through the menu bar's key instead of a command
    std::function<void(HWND hDlg)> look;   // called on the dialog before the choice, if set
};

// What the options dialog showed when it came up.
struct OptionsShown
{
    bool bSeen = false;
    int nShownSkin = -2;
    std::wstring shownSkinText;
    std::vector<std::wstring> skins;   // every item of the skin list, in list order
    bool bLeftChecked = false;
    bool bRightChecked = false;
    bool bAccentsChecked = false;
    bool bBannerVisible = false;
    bool bSkinsVisible = false;
    bool bSelectedByName = false;      // the named skin was found and selected
    bool bSoftKeyFound = false;
    std::vector<std::wstring> tabs;       // the tab strip's texts, in order
    int nTab = -1;                        // the tab selected
    bool bWordsVisible = false;           // the Words tab's controls are shown
    WordSettings words;                   // what the Words tab's controls say
    std::vector<std::wstring> wordLists;  // every item of the word list box
    SeenDialog question = {};             // the question "Clear learned words" asked
};

// Runs open on this thread, which is to bring up the options dialog modally
// (COptionsDlg::DoModal, or a tap on the bar's options button), and works the
// dialog from a watcher thread: records what it shows, makes the choice and
// closes it. Message boxes captioned "Brevanto Keyboard" are dismissed, but for
// the question of "Clear learned words", which is answered as the choice says.
// Returns every dialog window that came up meanwhile, in order.
std::vector<SeenDialog> AttendOptionsDialog(const std::function<void()>& open, const OptionsChoice& choice,
                                            OptionsShown& shown);
