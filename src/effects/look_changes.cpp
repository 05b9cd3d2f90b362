#include "effects/look_changes.h"

namespace effects {
namespace {

using Kind = LayeringChange::Kind;

LayeringChange Set(const Layering& to) {
    return LayeringChange{Kind::SetAttributes, to};
}

}  // namespace

LayeringChange TranslucentChange(const Layering& now, const std::optional<Layering>& before,
                                 uint8_t alpha) {
    if (now.kind == Layering::Kind::SelfDrawn) return {Kind::LeaveAlone, {}};
    // The key the window's own program chose goes on showing through.
    const Layering& own = before ? *before : now;
    Layering to = own.HasColourKey() ? LayeredWith(own.Key, alpha, kColourKeyFlag | kAlphaFlag)
                                     : LayeredWith(0, alpha, kAlphaFlag);
    if (now == to) return {};
    return Set(to);
}

LayeringChange OwnLayeringChange(const Layering& now, const std::optional<Layering>& before) {
    if (now.kind == Layering::Kind::SelfDrawn) return {Kind::LeaveAlone, {}};
    if (now.kind == Layering::Kind::None) return {};
    // Layered, and not by Vitrane: it has its own layering already.
    if (!before) return {};
    switch (before->kind) {
        case Layering::Kind::None:
            return {Kind::ClearBit, {}};
        case Layering::Kind::Attributes:
            return now == *before ? LayeringChange{} : Set(*before);
        case Layering::Kind::SelfDrawn:
            // Its program took to attributes since; they are its own.
            return {};
    }
    return {};
}

RestorePlan PlanRestore(const WindowLook& before, const WindowLook& now) {
    RestorePlan plan;
    plan.Layer = OwnLayeringChange(now.Layer, before.Layer);
    // A window that draws its own layering now is its program's business.
    if (plan.Layer.kind == Kind::LeaveAlone) plan.Layer = {};
    if (now.Topmost != before.Topmost) plan.Topmost = before.Topmost;
    plan.Taskbar = now.ToolWindow != before.ToolWindow || now.AppWindow != before.AppWindow;
    return plan;
}

}  // namespace effects
