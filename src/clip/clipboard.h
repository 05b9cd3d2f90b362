// Text on the system clipboard, as Unicode text.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace clip {

// While another program holds the clipboard open, opening it is retried for
// about this long; then the operation gives up.
inline constexpr DWORD kClipboardPatienceMs = 500;

// The clipboard's text; empty when it holds none or cannot be opened.
std::wstring ReadClipboardText(HWND owner);

// Replaces the clipboard's contents with exactly `text`. False when the
// clipboard could not be had (another program kept it) or the system refused.
bool WriteClipboardText(HWND owner, std::wstring_view text);

}  // namespace clip
