// When the companion acts, when it only passes a message on, and when it
// ends: its window feeds in what it hears and sees, and carries out the
// tasks it gets back. Here too is the watchdog's decision on each look at
// the target, whether that look comes from a timer or from a window event.
// Platform-free.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace companion {

// The target as the window sees it at one moment.
struct TargetSeen {
    bool Exists = true;
    bool Minimized = false;
    bool Visible = true;
};

enum class Event {
    // The user's requests, from the icon and from Vitrane. While one is being
    // handled (the popup menu runs its own message loop), others are only
    // passed on.
    IconClicked,       // left button released on the icon: park or bring back
    IconRightClicked,  // right button released: the popup menu
    ReleaseAsked,      // Vitrane's release message
    // What the popup menu returned.
    MenuShow,
    MenuPark,
    MenuTakeOut,
    MenuDismissed,
    // A handling that the rules started (bring back, park, hide, the menu) is over.
    Handled,
    // Endings: they act whatever is under way.
    Closed,         // WM_CLOSE
    SessionEnding,  // the session ends for certain
    LoopEnded,      // the message loop ended by itself (a WM_QUIT from anyone)
    // The notification-area icon.
    IconAdded,
    IconLost,     // the shell restarted and would not take it back yet
    IconGivenUp,  // the shell refused it for as long as it was tried
    // The watchdog's look at the target.
    Tick,
    // The window's reports while it carries out a task.
    Hiding,              // the target answers and is about to be hidden
    Hidden,              // the hide has been done
    TargetBack,          // the target was shown and restored, or is gone
    TargetNotBack,       // it did not answer: the show calls wait in its queue
    CallReturned,        // a call that lets sent messages in has returned
    TargetCallReturned,  // the same, for a call that changed the target
};

enum class Task {
    BringBack,      // show and restore the target, then the icon rises
    Park,           // minimize and hide the target, then the icon sinks
    Hide,           // hide the minimized target, then the icon sinks
    OpenMenu,       // the popup menu; its answer comes back as a Menu event
    Sink,           // the icon sinks, if it stands raised
    ShowMinimized,  // a hidden target shown minimized, so the taskbar has it
    Record,         // write the record of the hidden target
    Forget,         // remove it
    GiveBack,       // show and restore the target on the way out
    StopWatching,
    CloseMenu,
    DeleteIcon,
    Quit,  // end the message loop
    Stop,  // the task under way goes no further
};

// The tasks of one event, in order. Fixed in size: the watchdog asks many
// times a second and must not allocate.
class Tasks {
  public:
    Tasks() = default;
    Tasks(std::initializer_list<Task> tasks);
    void Add(Task task) { items_[count_++] = task; }
    const Task* begin() const { return items_.data(); }
    const Task* end() const { return items_.data() + count_; }
    size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    bool operator==(const Tasks& other) const;

  private:
    std::array<Task, 8> items_{};
    size_t count_ = 0;
};

class ParkingRules {
  public:
    // `nowMs` is a millisecond clock that may wrap; only Tick reads it.
    Tasks On(Event event, TargetSeen target = {}, uint32_t nowMs = 0);

    bool Ended() const { return ended_; }
    bool IconShown() const { return iconShown_; }
    bool Recorded() const { return recorded_; }

  private:
    Tasks Request(Event event, TargetSeen target);
    Tasks MenuAnswer(Event event);
    Tasks Icon(Event event, TargetSeen target);
    Tasks Look(TargetSeen target, uint32_t nowMs);
    Tasks Report(Event event, TargetSeen target);
    Tasks Start(Task handling);
    Tasks End(bool quit);
    bool HideDue(uint32_t nowMs) const;
    void Forget(Tasks& tasks);

    bool ended_ = false;
    int handling_ = 0;  // handlings under way; the watchdog's hide may run inside the menu's
    bool menuOpen_ = false;
    bool iconShown_ = false;
    bool recorded_ = false;
    int hides_ = 0;  // hides asked for since the target was last seen hidden or restored
    uint32_t lastHideMs_ = 0;
};

// How long after the n-th hide of a target that stays on screen the next
// one is asked for: at once for the first few, then doubling up to a second.
uint32_t HideRetryDelayMs(int hidesSoFar);

}  // namespace companion
