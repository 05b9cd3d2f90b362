#include "effects/window_calls.h"

namespace effects {
namespace {

WriteResult Failure() {
    return GetLastError() == ERROR_ACCESS_DENIED ? WriteResult::Refused : WriteResult::Failed;
}

}  // namespace

WriteResult WriteExStyle(const WindowCalls& calls, HWND hwnd, LONG ex) {
    if (GetWindowLongW(hwnd, GWL_EXSTYLE) == ex) return WriteResult::Done;
    // The previous value is the result, so 0 is a failure only with an error.
    SetLastError(0);
    if (calls.SetLong(hwnd, GWL_EXSTYLE, ex) == 0 && GetLastError() != 0) return Failure();
    return WriteResult::Done;
}

WriteResult WriteLayering(const WindowCalls& calls, HWND hwnd, const Layering& to) {
    SetLastError(0);
    if (!calls.SetLayered(hwnd, to.Key, to.Alpha, to.Flags)) return Failure();
    return WriteResult::Done;
}

WriteResult WriteTopmost(const WindowCalls& calls, HWND hwnd, bool topmost, UINT flags) {
    SetLastError(0);
    if (!calls.SetPos(hwnd, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                      SWP_NOSIZE | SWP_NOMOVE | flags))
        return Failure();
    return WriteResult::Done;
}

}  // namespace effects
