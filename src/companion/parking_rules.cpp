#include "companion/parking_rules.h"

#include <algorithm>

namespace companion {
namespace {

constexpr int kQuickHides = 3;
constexpr uint32_t kFirstRetryMs = 125;
constexpr uint32_t kLongestRetryMs = 1000;

bool IsParked(TargetSeen t) {
    return t.Exists && t.Minimized && !t.Visible;
}

}  // namespace

Tasks::Tasks(std::initializer_list<Task> tasks) {
    for (Task a : tasks) Add(a);
}

bool Tasks::operator==(const Tasks& other) const {
    return std::equal(begin(), end(), other.begin(), other.end());
}

uint32_t HideRetryDelayMs(int hidesSoFar) {
    if (hidesSoFar < kQuickHides) return 0;
    int doublings = std::min(hidesSoFar - kQuickHides, 4);
    return std::min(kFirstRetryMs << doublings, kLongestRetryMs);
}

Tasks ParkingRules::On(Event event, TargetSeen target, uint32_t nowMs) {
    switch (event) {
        case Event::IconClicked:
        case Event::IconRightClicked:
        case Event::ReleaseAsked:
            return Request(event, target);
        case Event::MenuShow:
        case Event::MenuPark:
        case Event::MenuTakeOut:
        case Event::MenuDismissed:
            return MenuAnswer(event);
        case Event::Handled:
            if (handling_ > 0) --handling_;
            return {};
        case Event::Closed:
        case Event::SessionEnding:
            return End(true);
        case Event::LoopEnded:
            return End(false);
        case Event::IconAdded:
        case Event::IconLost:
        case Event::IconGivenUp:
            return Icon(event, target);
        case Event::Tick:
            return Look(target, nowMs);
        default:
            return Report(event, target);
    }
}

Tasks ParkingRules::Request(Event event, TargetSeen target) {
    if (ended_ || handling_ > 0) return {};
    switch (event) {
        case Event::IconClicked:
            // Only the minimized bit decides; a parked window is minimized and hidden.
            if (target.Minimized) return Start(Task::BringBack);
            return iconShown_ ? Start(Task::Park) : Tasks{};
        case Event::IconRightClicked:
            menuOpen_ = true;
            return Start(Task::OpenMenu);
        default:
            return End(true);
    }
}

Tasks ParkingRules::MenuAnswer(Event event) {
    menuOpen_ = false;
    if (ended_) return {};
    switch (event) {
        case Event::MenuShow:
            return Start(Task::BringBack);
        case Event::MenuPark:
            return iconShown_ ? Start(Task::Park) : Tasks{};
        case Event::MenuTakeOut:
            return End(true);
        default:
            return {};
    }
}

Tasks ParkingRules::Icon(Event event, TargetSeen target) {
    if (ended_) return {};
    iconShown_ = event == Event::IconAdded;
    if (event == Event::IconGivenUp) return End(true);
    Tasks tasks;
    // The target is hidden only while its icon is there to bring it back:
    // until the shell takes the icon again, the taskbar has the window.
    if (event == Event::IconLost) {
        if (IsParked(target)) tasks.Add(Task::ShowMinimized);
        Forget(tasks);
    }
    return tasks;
}

Tasks ParkingRules::Look(TargetSeen target, uint32_t nowMs) {
    if (ended_) return {};
    if (!target.Exists) return End(true);
    if (target.Minimized && target.Visible) {
        if (!iconShown_ || !HideDue(nowMs)) return {};
        ++hides_;
        lastHideMs_ = nowMs;
        return Start(Task::Hide);
    }
    // Hidden, if only until its program shows it again: the pause stays.
    if (target.Minimized) return {Task::Sink};
    // Restored: a later minimize is hidden at once.
    hides_ = 0;
    Tasks tasks;
    // Its own program brought it back: should the companion die now, the
    // window is not one it hid.
    if (target.Visible) Forget(tasks);
    return tasks;
}

Tasks ParkingRules::Report(Event event, TargetSeen target) {
    Tasks tasks;
    switch (event) {
        case Event::Hiding:
            // Written before the hide, once: a companion that dies half-way
            // still leaves word of it.
            if (!recorded_) {
                recorded_ = true;
                tasks.Add(Task::Record);
            }
            break;
        case Event::Hidden:
            if (ended_) break;
            if (iconShown_) return {Task::Sink};
            // The icon went while the hide was under way.
            tasks.Add(Task::ShowMinimized);
            Forget(tasks);
            break;
        case Event::TargetBack:
            Forget(tasks);
            break;
        case Event::TargetNotBack:
            // Left for Vitrane to see to as well, should this companion end.
            if (!recorded_ && !target.Visible) {
                recorded_ = true;
                tasks.Add(Task::Record);
            }
            break;
        case Event::CallReturned:
            if (ended_) tasks.Add(Task::Stop);
            break;
        case Event::TargetCallReturned:
            // The take-out ran inside the call, which may have hidden the
            // target again after it: give it back once more.
            if (ended_) return {Task::GiveBack, Task::Stop};
            break;
        default:
            break;
    }
    return tasks;
}

Tasks ParkingRules::Start(Task handling) {
    ++handling_;
    return {handling};
}

Tasks ParkingRules::End(bool quit) {
    // A second ending (a tick, a session end or WM_CLOSE arriving while the
    // first runs) finds everything done and must not touch it again.
    if (ended_) return {};
    ended_ = true;
    Tasks tasks{Task::GiveBack, Task::StopWatching};
    if (menuOpen_) tasks.Add(Task::CloseMenu);
    tasks.Add(Task::DeleteIcon);
    if (quit) tasks.Add(Task::Quit);
    return tasks;
}

bool ParkingRules::HideDue(uint32_t nowMs) const {
    // Unsigned difference: right across the clock's wrap.
    return hides_ == 0 || nowMs - lastHideMs_ >= HideRetryDelayMs(hides_);
}

void ParkingRules::Forget(Tasks& tasks) {
    if (!recorded_) return;
    recorded_ = false;
    tasks.Add(Task::Forget);
}

}  // namespace companion
