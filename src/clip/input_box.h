// A modal box that asks for one line of text: a prompt, an edit box that
// starts with a proposal (selected), OK and Cancel.
#pragma once

#include <windows.h>

#include <string>

namespace clip {

inline constexpr int kInputBoxEdit = 100;
inline constexpr int kInputBoxPrompt = 101;

struct InputBoxTexts {
    std::wstring Prompt, Title, OK, Cancel;
};

// Shows the box centred on the screen and in front of other windows, and
// waits for it. Enter is OK, Esc and the close box are Cancel. The text as
// entered on OK; empty on Cancel.
std::wstring InputBox(const InputBoxTexts& texts, const std::wstring& defaultText);

}  // namespace clip
