#include "clip/clipboard.h"

#include <cstring>

#include "common/non_copyable.h"
#include "common/unique_handle.h"

namespace clip {
namespace {

struct GlobalDeleter {
    void operator()(HGLOBAL h) const { GlobalFree(h); }
};
using unique_hglobal = common::unique_handle<HGLOBAL, GlobalDeleter>;

// The clipboard, open for the lifetime of this object if Opened().
class OpenClipboardScope : common::NonCopyable {
  public:
    explicit OpenClipboardScope(HWND owner) {
        // Another program may hold it briefly (a clipboard viewer, a
        // program copying); a short wait beats failing at once.
        constexpr DWORD kStepMs = 20;
        DWORD start = GetTickCount();
        while (!(open_ = OpenClipboard(owner) != FALSE) &&
               GetTickCount() - start < kClipboardPatienceMs)
            Sleep(kStepMs);
    }
    ~OpenClipboardScope() {
        if (open_) CloseClipboard();
    }
    bool Opened() const { return open_; }

  private:
    bool open_ = false;
};

}  // namespace

std::wstring ReadClipboardText(HWND owner) {
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT)) return {};
    OpenClipboardScope clipboard(owner);
    if (!clipboard.Opened()) return {};
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (!data) return {};
    const auto* text = static_cast<const wchar_t*>(GlobalLock(data));
    if (!text) return {};
    // Not trusting the data to be terminated: stop at the block's end.
    size_t maxChars = GlobalSize(data) / sizeof(wchar_t);
    std::wstring out(text, wcsnlen(text, maxChars));
    GlobalUnlock(data);
    return out;
}

bool WriteClipboardText(HWND owner, std::wstring_view text) {
    size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    unique_hglobal block(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!block) return false;
    auto* dest = static_cast<wchar_t*>(GlobalLock(block.get()));
    if (!dest) return false;
    std::memcpy(dest, text.data(), text.size() * sizeof(wchar_t));
    dest[text.size()] = L'\0';
    GlobalUnlock(block.get());

    // EmptyClipboard makes the window passed to OpenClipboard the owner;
    // without one, SetClipboardData would fail.
    OpenClipboardScope clipboard(owner);
    if (!clipboard.Opened() || !EmptyClipboard()) return false;
    if (!SetClipboardData(CF_UNICODETEXT, block.get())) return false;
    block.release();  // the system owns it now
    return true;
}

}  // namespace clip
