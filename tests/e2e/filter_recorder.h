// A stand-in for the user32 functions that let messages from programs of
// lower integrity through: it offers what a given Windows has and records
// every call, so a test can see what a window asked for. One at a time.
#pragma once

#include <windows.h>

#include <cstring>
#include <vector>

namespace e2e {

class FilterRecorder {
  public:
    enum class Offers { WindowAndProcess, ProcessOnly, Neither };  // 7 on, Vista, XP
    struct Call {
        bool ForWindow = false;  // ChangeWindowMessageFilterEx, else ChangeWindowMessageFilter
        HWND Window = nullptr;
        UINT Message = 0;
        DWORD Action = 0;
        bool NullOut = true;  // the Ex call's optional out-structure
        bool operator==(const Call&) const = default;
    };

    explicit FilterRecorder(Offers offers) {
        offers_ = offers;
        calls_.clear();
    }
    const std::vector<Call>& Calls() const { return calls_; }

    static void* Find(const char* name) {
        if (std::strcmp(name, "ChangeWindowMessageFilterEx") == 0 &&
            offers_ == Offers::WindowAndProcess)
            return reinterpret_cast<void*>(&ForWindow);
        if (std::strcmp(name, "ChangeWindowMessageFilter") == 0 && offers_ != Offers::Neither)
            return reinterpret_cast<void*>(&ForProcess);
        return nullptr;
    }

  private:
    static BOOL WINAPI ForWindow(HWND window, UINT message, DWORD action, void* out) {
        calls_.push_back({true, window, message, action, out == nullptr});
        return TRUE;
    }
    static BOOL WINAPI ForProcess(UINT message, DWORD action) {
        calls_.push_back({false, nullptr, message, action, true});
        return TRUE;
    }

    static inline Offers offers_ = Offers::Neither;
    static inline std::vector<Call> calls_;
};

}  // namespace e2e
