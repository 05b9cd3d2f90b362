#include <gtest/gtest.h>

#include <optional>

#include "effects/look_changes.h"

namespace {

using effects::LayeredWith;
using effects::Layering;
using effects::LayeringChange;
using effects::NotLayered;
using effects::SelfDrawnLayering;
using effects::WindowLook;
using Kind = LayeringChange::Kind;

constexpr uint32_t kKey = effects::kColourKeyFlag, kAlpha = effects::kAlphaFlag;
const Layering kOwnKey = LayeredWith(0xFF00FF, 0, kKey);
const Layering kOwnAlpha = LayeredWith(0, 200, kAlpha);

LayeringChange Set(const Layering& to) {
    return {Kind::SetAttributes, to};
}

// now, before (what it had when Vitrane first changed it), and what is written.
struct LayeringCase {
    const char* what;
    Layering now;
    std::optional<Layering> before;
    LayeringChange change;
};

TEST(LookChanges, TranslucentKeepsTheWindowsOwnKey) {
    const LayeringCase cases[] = {
        {"plain window", NotLayered(), std::nullopt, Set(LayeredWith(0, 128, kAlpha))},
        {"made translucent before", LayeredWith(0, 26, kAlpha), NotLayered(),
         Set(LayeredWith(0, 128, kAlpha))},
        {"at that alpha already", LayeredWith(0, 128, kAlpha), NotLayered(), {}},
        {"its own colour key", kOwnKey, std::nullopt,
         Set(LayeredWith(0xFF00FF, 128, kKey | kAlpha))},
        {"its own key, made translucent before", LayeredWith(0xFF00FF, 26, kKey | kAlpha), kOwnKey,
         Set(LayeredWith(0xFF00FF, 128, kKey | kAlpha))},
        {"its own key, at that alpha", LayeredWith(0xFF00FF, 128, kKey | kAlpha), kOwnKey, {}},
        {"its own alpha", kOwnAlpha, std::nullopt, Set(LayeredWith(0, 128, kAlpha))},
        {"draws itself", SelfDrawnLayering(), std::nullopt, {Kind::LeaveAlone, {}}},
        {"draws itself, recorded plain", SelfDrawnLayering(), NotLayered(), {Kind::LeaveAlone, {}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(effects::TranslucentChange(c.now, c.before, 128), c.change) << c.what;
}

TEST(LookChanges, OwnLayeringTakesAwayOnlyWhatVitraneAdded) {
    const LayeringCase cases[] = {
        {"plain window", NotLayered(), std::nullopt, {}},
        {"plain, recorded plain", NotLayered(), NotLayered(), {}},
        {"made translucent", LayeredWith(0, 128, kAlpha), NotLayered(), {Kind::ClearBit, {}}},
        {"its own layering, never changed", kOwnAlpha, std::nullopt, {}},
        {"translucent, but not by Vitrane", LayeredWith(0, 128, kAlpha), std::nullopt, {}},
        {"its own key made translucent", LayeredWith(0xFF00FF, 128, kKey | kAlpha), kOwnKey,
         Set(kOwnKey)},
        {"its own alpha changed", LayeredWith(0, 26, kAlpha), kOwnAlpha, Set(kOwnAlpha)},
        {"its own key, as it was", kOwnKey, kOwnKey, {}},
        {"its own key back, an old alpha kept beside it",
         LayeredWith(0xFF00FF, 128, kKey),
         kOwnKey,
         {}},
        {"draws itself", SelfDrawnLayering(), std::nullopt, {Kind::LeaveAlone, {}}},
        {"draws itself, recorded with attributes",
         SelfDrawnLayering(),
         kOwnKey,
         {Kind::LeaveAlone, {}}},
        {"took to attributes after drawing itself", kOwnKey, SelfDrawnLayering(), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(effects::OwnLayeringChange(c.now, c.before), c.change) << c.what;
}

TEST(LookChanges, RestoreWritesOnlyWhatDiffers) {
    const WindowLook plain{NotLayered(), false, false, false};
    struct Case {
        const char* what;
        WindowLook before, now;
        LayeringChange layer;
        std::optional<bool> topmost;
        bool taskbar;
    } cases[] = {
        {"as it was", plain, plain, {}, std::nullopt, false},
        {"translucent",
         plain,
         {LayeredWith(0, 128, kAlpha), false, false, false},
         {Kind::ClearBit, {}},
         std::nullopt,
         false},
        {"own key made translucent",
         {kOwnKey, false, false, false},
         {LayeredWith(0xFF00FF, 128, kKey | kAlpha), false, false, false},
         Set(kOwnKey),
         std::nullopt,
         false},
        {"topmost", plain, {NotLayered(), true, false, false}, {}, false, false},
        {"out of its own topmost band", {NotLayered(), true, false, false}, plain, {}, true, false},
        {"given a button",
         {NotLayered(), false, true, false},
         {NotLayered(), false, false, true},
         {},
         std::nullopt,
         true},
        {"button taken", plain, {NotLayered(), false, true, false}, {}, std::nullopt, true},
        {"draws itself now", plain, {SelfDrawnLayering(), true, false, false}, {}, false, false},
        {"everything",
         plain,
         {LayeredWith(0, 26, kAlpha), true, false, true},
         {Kind::ClearBit, {}},
         false,
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        effects::RestorePlan plan = effects::PlanRestore(c.before, c.now);
        EXPECT_EQ(plan.Layer, c.layer);
        EXPECT_EQ(plan.Topmost, c.topmost);
        EXPECT_EQ(plan.Taskbar, c.taskbar);
        EXPECT_EQ(plan.Empty(), c.layer.kind == Kind::Nothing && !c.topmost && !c.taskbar);
    }
}

}  // namespace
