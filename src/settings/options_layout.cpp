#include "settings/options_layout.h"

namespace settings {
namespace {

using K = ControlKind;

constexpr std::wstring_view kTipOnTop = L"常に手前表示をするときに使うキーを設定します";

// Every hotkey list after the first carries the same tooltip, as it always has.
constexpr ControlSpec kControls[] = {
    {kHotkeyFrame, K::Frame, 0, L"ホットキー", L"", {60, 60, 5955, 1755}},
    {kAlphaKeyLabel, K::Label, kHotkeyFrame, L"透過機能：", L"", {120, 300, 810, 180}},
    {kAlphaKeyList,
     K::DropDownList,
     kHotkeyFrame,
     L"",
     L"透過表示するときに使うキーを設定します",
     {1800, 240, 1335, 300}},
    {kAlphaKeyHint, K::Label, kHotkeyFrame, L"(＋Shiftで透過を解除)", L"", {3180, 300, 1695, 180}},
    {kOnTopKeyLabel, K::Label, kHotkeyFrame, L"常に手前機能：", L"", {120, 660, 1155, 180}},
    {kOnTopKeyList, K::DropDownList, kHotkeyFrame, L"", kTipOnTop, {1800, 600, 1335, 300}},
    {kOnTopKeyHint,
     K::Label,
     kHotkeyFrame,
     L"(＋Shiftで常に手前を解除)",
     L"",
     {3180, 660, 2040, 180}},
    {kTaskbarKeyLabel,
     K::Label,
     kHotkeyFrame,
     L"タスクバー表示機能：",
     L"",
     {120, 1020, 1620, 180}},
    {kTaskbarKeyList, K::DropDownList, kHotkeyFrame, L"", kTipOnTop, {1800, 960, 1335, 300}},
    {kTaskbarKeyHint,
     K::Label,
     kHotkeyFrame,
     L"(＋Shiftでタスクバーに表示しない)",
     L"",
     {3180, 1020, 2625, 180}},
    {kTrayKeyLabel, K::Label, kHotkeyFrame, L"タスクトレイ機能：", L"", {120, 1380, 1320, 180}},
    {kTrayKeyList, K::DropDownList, kHotkeyFrame, L"", kTipOnTop, {1800, 1320, 1335, 300}},
    {kTrayKeyHint,
     K::Label,
     kHotkeyFrame,
     L"(＋Shiftでタスクトレイから取り出す)",
     L"",
     {3180, 1380, 2700, 180}},
    {kTransparencyFrame, K::Frame, 0, L"透過機能", L"", {60, 1920, 2775, 1215}},
    {kRateLabel, K::Label, kTransparencyFrame, L"透過率：", L"", {180, 300, 630, 180}},
    {kRateList,
     K::DropDownList,
     kTransparencyFrame,
     L"",
     L"透過する割合を設定します",
     {840, 240, 915, 300}},
    {kSmoothFadeCheck,
     K::CheckBox,
     kTransparencyFrame,
     L"マウス（センターボタン）によるスムース透過を使用する",
     L"",
     {180, 600, 2535, 495}},
    {kCpuFrame, K::Frame, 0, L"CPUモニタ機能", L"", {60, 3180, 2775, 1635}},
    {kCpuCheck, K::CheckBox, kCpuFrame, L"CPUモニタ機能を使用する", L"", {120, 240, 2330, 255}},
    {kDrawColourLabel, K::Label, kCpuFrame, L"描画色：", L"", {120, 600, 630, 180}},
    {kDrawColourEdit, K::Edit, kCpuFrame, L"00FF00", L"", {1080, 540, 855, 270}},
    {kDrawColourSample, K::ColourSample, kCpuFrame, L"", L"", {2100, 540, 315, 315}},
    {kBackColourLabel, K::Label, kCpuFrame, L"背景色：", L"", {120, 960, 630, 180}},
    {kBackColourEdit, K::Edit, kCpuFrame, L"000000", L"", {1080, 900, 855, 270}},
    {kBackColourSample, K::ColourSample, kCpuFrame, L"", L"", {2100, 900, 315, 315}},
    {kIntervalLabel, K::Label, kCpuFrame, L"描画間隔：", L"", {120, 1320, 810, 180}},
    {kIntervalEdit, K::Edit, kCpuFrame, L"1000", L"", {1080, 1260, 855, 270}},
    {kIntervalUnit, K::Label, kCpuFrame, L"(ms)", L"", {2100, 1320, 375, 195}},
    {kClipFrame, K::Frame, 0, L"クリップ機能", L"", {2940, 1920, 3075, 2655}},
    {kClipCheck, K::CheckBox, kClipFrame, L"クリップ機能を使用する", L"", {120, 240, 2115, 255}},
    {kClipEdit, K::MultiLineEdit, kClipFrame, L"", L"", {120, 600, 2835, 1935}},
    {kOptionsOK, K::Button, 0, L"OK", L"", {3780, 4740, 1035, 315}},
    {kOptionsCancel, K::Button, 0, L"ｷｬﾝｾﾙ", L"", {4980, 4740, 1035, 315}},
    {kCreditLabel, K::GreyLabel, 0, kCredit, L"", {120, 4920, 1755, 180}},
};

}  // namespace

std::span<const ControlSpec> OptionsControls() {
    return kControls;
}

const ControlSpec* FindControl(int id) {
    for (const auto& c : kControls)
        if (c.Id == id) return &c;
    return nullptr;
}

common::TwipsRect DialogPlace(const ControlSpec& c) {
    common::TwipsRect r = c.Place;
    for (const ControlSpec* frame = FindControl(c.Container); frame;
         frame = FindControl(frame->Container)) {
        r.Left += frame->Place.Left;
        r.Top += frame->Place.Top;
    }
    return r;
}

}  // namespace settings
