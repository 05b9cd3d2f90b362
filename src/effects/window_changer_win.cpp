#include "effects/window_changer.h"

#include "common/window_helpers.h"
#include "effects/alpha_rate.h"
#include "effects/changed_registry.h"
#include "effects/smooth_alpha.h"
#include "effects/window_effects.h"
#include "effects/window_look.h"

namespace effects {
namespace {

constexpr LONG kTaskbarBits = WS_EX_TOOLWINDOW | WS_EX_APPWINDOW;

EffectResult From(WriteResult r) {
    switch (r) {
        case WriteResult::Done:
            return EffectResult::Done;
        case WriteResult::Refused:
            return EffectResult::Refused;
        case WriteResult::Failed:
            break;
    }
    return EffectResult::Failed;
}

// Only a style change sends the target a message; the attributes do not.
bool ChangesStyle(const Layering& now, const LayeringChange& change) {
    if (change.kind == LayeringChange::Kind::ClearBit) return true;
    return change.kind == LayeringChange::Kind::SetAttributes && now.kind == Layering::Kind::None;
}

// The desktop belongs to the system: it is no program's window to change,
// and its refusal is no news to tell.
bool OfAProgram(HWND hwnd) {
    return IsWindow(hwnd) && hwnd != GetDesktopWindow();
}

LONG TaskbarStyle(LONG ex, bool tool, bool app) {
    return (ex & ~kTaskbarBits) | (tool ? WS_EX_TOOLWINDOW : 0) | (app ? WS_EX_APPWINDOW : 0);
}

}  // namespace

void WindowChanger::Load() {
    bool remade = false;
    for (const auto& r : ReadAllChanged(remade)) {
        HWND w = common::WindowOfValue(r.Window);
        if (IsWindow(w) && OwnerOf(w) == r.Owner) {
            journal_.Remember(r);
            if (remade) WriteChanged(r);
        } else if (!remade) {
            DeleteChanged(r.Window);
        }
    }
}

WindowChanger::Target WindowChanger::Find(HWND hwnd) const {
    Target t{hwnd, OwnerOf(hwnd), ReadLook(hwnd), std::nullopt};
    if (const ChangedWindow* r = journal_.Find(common::HandleValue(hwnd), t.Owner))
        t.Before = r->Before.Layer;
    return t;
}

void WindowChanger::Remember(const Target& t) {
    if (t.Owner.Process == 0) return;  // no window there
    ChangedWindow record{common::HandleValue(t.Hwnd), t.Owner, t.Now};
    // Stored once per window: later changes leave the first look as it is.
    if (!journal_.Remember(record)) return;
    WriteChanged(record);
    // A resident program meets many windows in weeks: the records of those
    // closed since go as a new one comes.
    ForgetClosed();
}

void WindowChanger::ForgetClosed() {
    std::vector<int32_t> closed;
    for (const auto& r : journal_.Records())
        if (!IsWindow(common::WindowOfValue(r.Window))) closed.push_back(r.Window);
    for (int32_t window : closed) {
        journal_.Forget(window);
        DeleteChanged(window);
    }
}

EffectResult WindowChanger::Transparency(HWND target, bool shift, int32_t alphaIndex) {
    if (!OfAProgram(target)) return EffectResult::Failed;
    Target t = Find(target);
    auto alpha = static_cast<uint8_t>(AlphaFromIndex(alphaIndex));
    return ApplyLayering(t, shift ? OwnLayeringChange(t.Now.Layer, t.Before)
                                  : TranslucentChange(t.Now.Layer, t.Before, alpha));
}

EffectResult WindowChanger::Opacity(HWND target, int percent) {
    if (!OfAProgram(target)) return EffectResult::Failed;
    Target t = Find(target);
    auto alpha = static_cast<uint8_t>(AlphaOfPercent(percent));
    return ApplyLayering(t, percent == 100 ? OwnLayeringChange(t.Now.Layer, t.Before)
                                           : TranslucentChange(t.Now.Layer, t.Before, alpha));
}

EffectResult WindowChanger::ApplyLayering(const Target& t, const LayeringChange& change) {
    if (change.kind == LayeringChange::Kind::Nothing) return EffectResult::Unchanged;
    if (change.kind == LayeringChange::Kind::LeaveAlone) return EffectResult::LeftAlone;
    if (ChangesStyle(t.Now.Layer, change) && !Answers(t.Hwnd)) return EffectResult::NoAnswer;
    Remember(t);
    return WriteLayeringChange(t.Hwnd, change);
}

EffectResult WindowChanger::WriteLayeringChange(HWND hwnd, const LayeringChange& change) const {
    LONG ex = GetWindowLongW(hwnd, GWL_EXSTYLE);
    if (change.kind == LayeringChange::Kind::ClearBit)
        return From(WriteExStyle(calls_, hwnd, ex & ~WS_EX_LAYERED));
    bool addBit = !(ex & WS_EX_LAYERED);
    if (addBit) {
        WriteResult r = WriteExStyle(calls_, hwnd, ex | WS_EX_LAYERED);
        if (r != WriteResult::Done) return From(r);
    }
    WriteResult r = WriteLayering(calls_, hwnd, change.To);
    // A layered window without attributes is not drawn at all.
    if (r != WriteResult::Done && addBit) WriteExStyle(calls_, hwnd, ex);
    return From(r);
}

EffectResult WindowChanger::AlwaysOnTop(HWND target, bool shift) {
    if (!OfAProgram(target)) return EffectResult::Failed;
    if (!Answers(target)) return EffectResult::NoAnswer;
    Target t = Find(target);
    if (t.Now.Topmost == shift) Remember(t);
    return From(WriteTopmost(calls_, target, !shift, SWP_SHOWWINDOW));
}

EffectResult WindowChanger::TaskbarButton(HWND target, bool shift) {
    if (!OfAProgram(target)) return EffectResult::Failed;
    if (!Answers(target)) return EffectResult::NoAnswer;
    Target t = Find(target);
    // Without Shift an app window that is no tool window; with Shift the reverse.
    LONG ex = GetWindowLongW(target, GWL_EXSTYLE);
    LONG wanted = TaskbarStyle(ex, shift, !shift);
    if (wanted != ex) Remember(t);
    ShowWindow(target, SW_HIDE);
    WriteResult r = WriteExStyle(calls_, target, wanted);
    ShowWindow(target, SW_SHOW);
    return From(r);
}

void WindowChanger::RestoreAll() {
    std::vector<ChangedWindow> kept;
    for (const auto& r : journal_.TakeAll()) {
        if (Restore(r))
            DeleteChanged(r.Window);
        else
            kept.push_back(r);
    }
    for (const auto& r : kept) journal_.Remember(r);
}

bool WindowChanger::Restore(const ChangedWindow& record) {
    HWND w = common::WindowOfValue(record.Window);
    // Closed, or the handle is another program's now: nothing of it to give back.
    if (!IsWindow(w) || OwnerOf(w) != record.Owner) return true;
    WindowLook now = ReadLook(w);
    RestorePlan plan = PlanRestore(record.Before, now);
    if (plan.Empty()) return true;
    bool styleChange = plan.Topmost || plan.Taskbar || ChangesStyle(now.Layer, plan.Layer);
    if (styleChange && !Answers(w)) return false;
    if (plan.Layer.kind != LayeringChange::Kind::Nothing) WriteLayeringChange(w, plan.Layer);
    if (plan.Topmost) WriteTopmost(calls_, w, *plan.Topmost, SWP_NOACTIVATE);
    if (plan.Taskbar) {
        LONG ex = GetWindowLongW(w, GWL_EXSTYLE);
        LONG wanted = TaskbarStyle(ex, record.Before.ToolWindow, record.Before.AppWindow);
        // Hidden and shown as the effect does, so the taskbar looks again;
        // shown without the focus, and a hidden window stays hidden.
        bool shown = IsWindowVisible(w) != FALSE;
        if (shown) ShowWindow(w, SW_HIDE);
        WriteExStyle(calls_, w, wanted);
        if (shown) ShowWindow(w, SW_SHOWNA);
    }
    return true;
}

}  // namespace effects
