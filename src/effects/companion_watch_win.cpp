#include "effects/companion_watch.h"

#include "common/companion_contract.h"
#include "common/parked_registry.h"
#include "common/window_helpers.h"

namespace effects {
namespace {

constexpr UINT_PTR kWatchTimer = 1;
constexpr UINT kWatchMs = 1000;
constexpr const wchar_t* kWatchClass = L"Vitrane.CompanionWatch";

common::ParkedWindowNow SeenNow(const common::ParkedWindow& record) {
    common::ParkedWindowNow now;
    now.CompanionRunning = common::CompanionRunning(record);
    HWND window = common::WindowOfValue(record.Window);
    DWORD owner = 0;
    if (IsWindow(window) && GetWindowThreadProcessId(window, &owner)) {
        now.WindowProcess = owner;
        now.WindowVisible = IsWindowVisible(window) != FALSE;
    }
    return now;
}

}  // namespace

void GiveBackOrphans() {
    for (const auto& value : common::ReadAllParked()) {
        if (!value.Record) {
            common::DeleteParkedValue(value);
            continue;
        }
        switch (common::ActionForParked(*value.Record, SeenNow(*value.Record))) {
            case common::ParkedAction::Keep:
                break;
            case common::ParkedAction::TakeOut: {
                // As the companion's take-out does; queued, so a window whose
                // program hangs is shown once it answers and Vitrane goes on.
                HWND window = common::WindowOfValue(value.Record->Window);
                ShowWindowAsync(window, SW_SHOW);
                ShowWindowAsync(window, SW_SHOWNORMAL);
                common::DeleteParkedValue(value);
                break;
            }
            case common::ParkedAction::Forget:
                common::DeleteParkedValue(value);
                break;
        }
    }
}

void ReleaseAllParked() {
    for (const auto& value : common::ReadAllParked()) {
        if (!value.Record) continue;
        // The message the tray key with Shift posts.
        HWND companion =
            FindWindowW(nullptr, common::CompanionCaption(value.Record->Window).c_str());
        if (companion)
            PostMessageW(companion, common::kReleaseMessage, common::kReleaseWParam,
                         common::kReleaseLParam);
    }
    GiveBackOrphans();
}

void CompanionWatch::Start() {
    GiveBackOrphans();
    // What is left are the records of companions that still run.
    common::MakeParkedVolatile();
    if (hwnd()) return;
    RegisterClassOnce(kWatchClass, nullptr, nullptr, nullptr);
    // Message-only: it needs no broadcasts, only its timer.
    if (Create(0, kWatchClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr))
        SetTimer(hwnd(), kWatchTimer, kWatchMs, nullptr);
}

LRESULT CompanionWatch::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TIMER && wp == kWatchTimer) {
        // The records say which companions to look at: those this program
        // started and those of an earlier run alike. A record is written
        // only while a window is hidden, so there is little to read.
        GiveBackOrphans();
        return 0;
    }
    return Default(msg, wp, lp);
}

}  // namespace effects
