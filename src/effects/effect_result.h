// What became of an effect on a window, and what the user is told of it.
// No <windows.h>.
#pragma once

#include <optional>

#include "effects/notice_texts.h"

namespace effects {

enum class EffectResult {
    Done,
    Unchanged,  // it already was so
    LeftAlone,  // it draws its own layering, which anything written would break
    Refused,    // the system refused: a window of a program with more rights
    NoAnswer,   // its program hangs: tried again at the next tick
    Failed,     // no usable window (a control that cannot be layered, one gone)
};

inline std::optional<Notice> NoticeFor(EffectResult result) {
    if (result == EffectResult::Refused) return Notice::Refused;
    if (result == EffectResult::LeftAlone) return Notice::SelfDrawn;
    return std::nullopt;
}

}  // namespace effects
