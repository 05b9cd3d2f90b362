// The effects on other programs' windows, and the record of what each window
// had before the first of them changed it, so that all of it can be given
// back. A window that draws its own layering is left alone; one with its own
// colour key keeps it. Nothing here waits for a program that hangs.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "common/non_copyable.h"
#include "effects/change_journal.h"
#include "effects/effect_result.h"
#include "effects/look_changes.h"
#include "effects/window_calls.h"

namespace effects {

class WindowChanger : common::NonCopyable {
  public:
    WindowChanger() = default;

    // Start-up: the records an earlier run kept this session, for windows
    // that are still the same (same handle, same process).
    void Load();

    // See-through at the rate, or with Shift back to its own layering.
    EffectResult Transparency(HWND target, bool shift, int32_t alphaIndex);
    // The fade by hand: `percent` opacity, 100 its own layering.
    EffectResult Opacity(HWND target, int percent);
    // Into the topmost band, or back to the normal one with Shift.
    EffectResult AlwaysOnTop(HWND target, bool shift);
    // Gives (or with Shift takes) the taskbar button; hidden and shown again
    // either way, since the taskbar only looks at a window as it is shown.
    EffectResult TaskbarButton(HWND target, bool shift);

    // Every recorded window that still exists and belongs to the same
    // process gets back what it had; the records go, but for windows whose
    // program hangs now, which a later call gives back.
    void RestoreAll();

    // The calls that change windows (a test stands in for a refusing system).
    void SetCalls(const WindowCalls& calls) { calls_ = calls; }

  private:
    // A window as an effect finds it.
    struct Target {
        HWND Hwnd = nullptr;
        WindowOwner Owner;
        WindowLook Now;
        std::optional<Layering> Before;  // its own, when Vitrane changed it already
    };
    Target Find(HWND hwnd) const;
    void Remember(const Target& t);
    void ForgetClosed();
    EffectResult ApplyLayering(const Target& t, const LayeringChange& change);
    EffectResult WriteLayeringChange(HWND hwnd, const LayeringChange& change) const;
    bool Restore(const ChangedWindow& record);

    WindowCalls calls_;
    ChangeJournal journal_;
};

}  // namespace effects
