// Why an effect did nothing, as the user is told in the notice near the
// cursor; the words themselves are in the text tables. No <windows.h>.
#pragma once

#include "common/ui_texts.h"

namespace effects {

enum class Notice {
    Refused,           // the system refused: a window of a program with more rights
    SelfDrawn,         // the window draws its own see-through parts
    CompanionMissing,  // Corvel.exe is not beside Vitrane.exe
    CompanionFailed,   // it is there, but would not start
};

common::UiText NoticeText(Notice notice);

}  // namespace effects
