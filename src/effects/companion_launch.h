// Handing a window to its companion: the texts both programs agree on, and
// the record of companions that are still starting up.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace effects {

// "Corvel-" and the handle in signed decimal: the caption the companion of
// that window gives its own window.
std::wstring CompanionCaption(int32_t handle);

// Corvel.exe in the folder of the given program file.
std::wstring CompanionPath(std::wstring_view ownProgramPath);

// The quoted program path, a blank and the handle: a folder with blanks in
// its name can never be read as another program and its arguments.
std::wstring CompanionCommandLine(std::wstring_view companionPath, int32_t handle);

// Companions launched but not yet showing their window. A held tray key
// fires on every tick, and a companion takes many ticks to start; without
// this record each tick before its caption appears would start another one.
class LaunchTracker {
  public:
    using Process = uintptr_t;  // an opaque process handle of the caller's

    bool Empty() const { return launches_.empty(); }
    size_t Size() const { return launches_.size(); }
    void Launched(int32_t window, Process process);
    bool Starting(int32_t window) const;

    // Forgets every launch for which `settled` holds (its window appeared or
    // its process ended) and gives back their processes for the caller to close.
    std::vector<Process> Settle(const std::function<bool(int32_t window, Process)>& settled);

  private:
    struct Launch {
        int32_t Window;
        Process Proc;
    };
    std::vector<Launch> launches_;
};

}  // namespace effects
