// The options dialog's controls: kind, container, text, tooltip and place.
// No <windows.h>: the form creates its windows from this table.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "common/twips.h"

namespace settings {

// Control ids; the window of a control carries its id, so a test driver in
// another process can find it. IDOK (1) is kept free: the dialog has no
// default button. cmdCancel is IDCANCEL, which Esc presses.
enum OptionsControl : int {
    kFrame5 = 100,
    kLabel1_0,
    kCmbKey0,
    kLabel10,
    kLabel1_1,
    kCmbKey1,
    kLabel11,
    kLabel1_2,
    kCmbKey2,
    kLabel12,
    kLabel1_3,
    kCmbKey3,
    kLabel13,
    kFrame1_0,
    kLabel2,
    kCmbAP,
    kChkSMS,
    kFrame3,
    kChkCPU,
    kLabel7,
    kTxtCol1,
    kShape1,
    kLabel8,
    kTxtCol2,
    kShape2,
    kLabel5,
    kTxtTime,
    kLabel9,
    kFrame2,
    kChkClip,
    kTxtClip,
    kCmdOK,
    kLabel4,
    kCmdCancel = 2,
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
    kCmdOK,  kCmdCancel, kCmbAP,   kTxtClip, kTxtCol1, kTxtCol2, kTxtTime,
    kChkCPU, kChkClip,   kCmbKey0, kCmbKey1, kCmbKey2, kCmbKey3, kChkSMS,
};

// The hotkey lists in the order of their keys (USE_ALPHA .. USE_CORVEL).
inline constexpr std::array<OptionsControl, 4> kHotkeyLists{kCmbKey0, kCmbKey1, kCmbKey2, kCmbKey3};

}  // namespace settings
