// The options dialog's controls: kind, container, text, tooltip and place.
// No <windows.h>: the dialog creates its windows from this table.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "common/twips.h"

namespace settings {

// Control ids; the window of a control carries its id, so a test driver in
// another process can find it. IDOK (1) is kept free: the dialog has no
// default button. Cancel is IDCANCEL, which Esc presses.
enum OptionsControl : int {
    kHotkeyFrame = 100,
    kAlphaKeyLabel,
    kAlphaKeyList,
    kAlphaKeyHint,
    kOnTopKeyLabel,
    kOnTopKeyList,
    kOnTopKeyHint,
    kTaskbarKeyLabel,
    kTaskbarKeyList,
    kTaskbarKeyHint,
    kTrayKeyLabel,
    kTrayKeyList,
    kTrayKeyHint,
    kTransparencyFrame,
    kRateLabel,
    kRateList,
    kSmoothFadeCheck,
    kCpuFrame,
    kCpuCheck,
    kDrawColourLabel,
    kDrawColourEdit,
    kDrawColourSample,
    kBackColourLabel,
    kBackColourEdit,
    kBackColourSample,
    kIntervalLabel,
    kIntervalEdit,
    kIntervalUnit,
    kClipFrame,
    kClipCheck,
    kClipEdit,
    kOptionsOK,
    kCreditLabel,
    kOptionsCancel = 2,
};

enum class ControlKind {
    Frame,
    Label,
    GreyLabel,
    DropDownList,
    CheckBox,
    Edit,
    MultiLineEdit,
    ColourSample,
    Button
};

struct ControlSpec {
    OptionsControl Id;
    ControlKind Kind;
    int Container;  // the id of the frame it sits in, or 0 for the dialog
    std::wstring_view Text;
    std::wstring_view Tooltip;
    common::TwipsRect Place;  // relative to the container
};

inline constexpr std::wstring_view kOptionsCaption = L"設定　　--ウィンドウ透過ツール--";
inline constexpr int kOptionsClientWidth = 6090;   // twips
inline constexpr int kOptionsClientHeight = 5160;  // twips
// Our own one-line credit; it must fit the 1755-twip label.
inline constexpr std::wstring_view kCredit = L"© 2026 Vitrane";

std::span<const ControlSpec> OptionsControls();
const ControlSpec* FindControl(int id);

// The place relative to the dialog's client area.
common::TwipsRect DialogPlace(const ControlSpec& c);

// The controls Tab visits, in order.
inline constexpr std::array<OptionsControl, 14> kOptionsTabOrder{
    kOptionsOK,      kOptionsCancel,  kRateList,    kClipEdit,        kDrawColourEdit,
    kBackColourEdit, kIntervalEdit,   kCpuCheck,    kClipCheck,       kAlphaKeyList,
    kOnTopKeyList,   kTaskbarKeyList, kTrayKeyList, kSmoothFadeCheck,
};

}  // namespace settings
