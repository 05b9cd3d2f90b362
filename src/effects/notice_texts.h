// Why an effect did nothing, as the user is told in the notice near the
// cursor. Every text of the notices is here. No <windows.h>.
#pragma once

namespace effects {

enum class Notice {
    Refused,           // the system refused: a window of a program with more rights
    SelfDrawn,         // the window draws its own see-through parts
    CompanionMissing,  // Corvel.exe is not beside Vitrane.exe
    CompanionFailed,   // it is there, but would not start
};

const wchar_t* NoticeText(Notice notice);

}  // namespace effects
