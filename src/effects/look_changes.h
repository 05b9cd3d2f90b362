// What the effects write to a window, decided from what it shows now and what
// it had before Vitrane first changed it (nothing when it never did). A
// window keeps the layering its own program gave it: one that draws itself
// with per-pixel alpha is left alone, one with its own colour key keeps the
// key, and only layering Vitrane added is taken away again. No <windows.h>.
#pragma once

#include <cstdint>
#include <optional>

#include "effects/changed_window.h"

namespace effects {

struct LayeringChange {
    enum class Kind {
        Nothing,        // it already is so
        LeaveAlone,     // its program draws its layering: anything written would break it
        SetAttributes,  // layered (the bit set where missing) with these attributes
        ClearBit,       // the layering Vitrane added goes
    };
    Kind kind = Kind::Nothing;
    Layering To;  // for SetAttributes
    bool operator==(const LayeringChange&) const = default;
};

// See-through at `alpha`: the transparency key and the fade below 100 %.
LayeringChange TranslucentChange(const Layering& now, const std::optional<Layering>& before,
                                 uint8_t alpha);

// Back to the window's own layering: the transparency key with Shift and
// the fade at 100 %.
LayeringChange OwnLayeringChange(const Layering& now, const std::optional<Layering>& before);

// Everything an effect changed, given back: only what differs from the
// record is written, so a window already as it was is not touched.
struct RestorePlan {
    LayeringChange Layer;
    std::optional<bool> Topmost;  // into (true) or out of the topmost band
    bool Taskbar = false;         // the tool and app bits back, hidden and shown around it
    bool Empty() const {
        return Layer.kind == LayeringChange::Kind::Nothing && !Topmost && !Taskbar;
    }
};
RestorePlan PlanRestore(const WindowLook& before, const WindowLook& now);

}  // namespace effects
