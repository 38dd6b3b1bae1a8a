#pragma once
#include <string>
#include <vector>

// A device session written down, one command per line ('#' starts a comment):
//
//   tap keyboard|copy|selectall|cut|enter|paste|backspace|options   a SIP bar button
//   sip                     the input panel button of the menu bar (show or hide the panel)
//   key NAME                a key of the full-screen keyboard by its layout name (char_ok, number_7 ...)
//   type TEXT               taps the keys that type TEXT; \n is the enter key, \\ a backslash;
//                           a character no key types is taken from a key's alternates by a long press
//   hold FILE CHARACTER     types CHARACTER by a long press and photographs the keyboard into FILE
//                           while the finger rests on its alternate, before it lifts
//   press KEY               a hardware key to the focused application (end, home, left, right, up, down)
//   rotate                  turns the screen (portrait to landscape and back)
//   switch                  brings another application to the front
//   notes                   brings the notes application back to the front
//   skin FILE | hand left|right | accents on|off      choices in the open options dialog
//   ok | cancel             closes the open options dialog
//   screenshot FILE [screen|bar|keyboard|notes|dialog]   PNG, or BMP when FILE ends in .bmp
//   wait MILLISECONDS
//   write TEXT              types TEXT on the hardware keyboard into the focused application
//   windows                 lists the device thread's windows in the report (for finding out what is on screen)
// Checks; a check that fails ends the session with an error:
//   expect-text TEXT        the notes application holds exactly TEXT (\n for each line break)
//   expect-message TEXT     the input method has shown a message with TEXT
//   expect-no-message       ... and no message at all so far
//   expect-keyboard open|closed
//   expect-background       the keyboard shows the current view of the user's skin, turned for the hand
//   expect-preview KEY      holding KEY down shows its label enlarged in the character view, lying
//                           along it (take a letter wider than high, such as char_W); then lets go
//   expect-words [W1 W2 ...] the keyboard offers exactly these words to complete the typed one,
//                           best first (none: no words are offered), each drawn in its cell
// Word completion:
//   choose WORD             taps the offered word's cell
//   forget WORD             holds the offered word's cell and answers Yes when asked to forget it

enum class ScriptVerb
{
    Tap, Sip, Key, Type, Hold, Press, Rotate, Switch, Notes, Skin, Hand, Accents, Ok, Cancel, Screenshot, Wait,
    Write, Windows, ExpectText, ExpectMessage, ExpectNoMessage, ExpectKeyboard, ExpectBackground, ExpectPreview,
    ExpectWords, Choose, Forget
};

struct ScriptCommand
{
    ScriptVerb verb;
    std::string argument;   // UTF-8; for type, the text with escapes resolved
    std::string region;     // screenshot: the region; hold: the picture's file
    int nLine = 0;
};

struct ScriptParse
{
    std::vector<ScriptCommand> commands;
    std::string error;      // empty when the whole script was understood
};

ScriptParse ParseScript(const std::string& text);

// The bar buttons by script name, as action numbers 0..7; -1 for an unknown name.
int BarButtonByName(const std::string& name);

