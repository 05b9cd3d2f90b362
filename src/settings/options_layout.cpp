#include "settings/options_layout.h"

namespace settings {
namespace {

using K = ControlKind;

constexpr std::wstring_view kTipOnTop = L"常に手前表示をするときに使うキーを設定します";

// Every hotkey list after the first carries the same tooltip, as it always has.
constexpr ControlSpec kControls[] = {
    {kFrame5, K::Frame, 0, L"ホットキー", L"", {60, 60, 5955, 1755}},
    {kLabel1_0, K::Label, kFrame5, L"透過機能：", L"", {120, 300, 810, 180}},
    {kCmbKey0,
     K::DropDownList,
     kFrame5,
     L"",
     L"透過表示するときに使うキーを設定します",
     {1800, 240, 1335, 300}},
    {kLabel10, K::Label, kFrame5, L"(＋Shiftで透過を解除)", L"", {3180, 300, 1695, 180}},
    {kLabel1_1, K::Label, kFrame5, L"常に手前機能：", L"", {120, 660, 1155, 180}},
    {kCmbKey1, K::DropDownList, kFrame5, L"", kTipOnTop, {1800, 600, 1335, 300}},
    {kLabel11, K::Label, kFrame5, L"(＋Shiftで常に手前を解除)", L"", {3180, 660, 2040, 180}},
    {kLabel1_2, K::Label, kFrame5, L"タスクバー表示機能：", L"", {120, 1020, 1620, 180}},
    {kCmbKey2, K::DropDownList, kFrame5, L"", kTipOnTop, {1800, 960, 1335, 300}},
    {kLabel12,
     K::Label,
     kFrame5,
     L"(＋Shiftでタスクバーに表示しない)",
     L"",
     {3180, 1020, 2625, 180}},
    {kLabel1_3, K::Label, kFrame5, L"タスクトレイ機能：", L"", {120, 1380, 1320, 180}},
    {kCmbKey3, K::DropDownList, kFrame5, L"", kTipOnTop, {1800, 1320, 1335, 300}},
    {kLabel13,
     K::Label,
     kFrame5,
     L"(＋Shiftでタスクトレイから取り出す)",
     L"",
     {3180, 1380, 2700, 180}},
    {kFrame1_0, K::Frame, 0, L"透過機能", L"", {60, 1920, 2775, 1215}},
    {kLabel2, K::Label, kFrame1_0, L"透過率：", L"", {180, 300, 630, 180}},
    {kCmbAP, K::DropDownList, kFrame1_0, L"", L"透過する割合を設定します", {840, 240, 915, 300}},
    {kChkSMS,
     K::CheckBox,
     kFrame1_0,
     L"マウス（センターボタン）によるスムース透過を使用する",
     L"",
     {180, 600, 2535, 495}},
    {kFrame3, K::Frame, 0, L"CPUモニタ機能", L"", {60, 3180, 2775, 1635}},
    {kChkCPU, K::CheckBox, kFrame3, L"CPUモニタ機能を使用する", L"", {120, 240, 2330, 255}},
    {kLabel7, K::Label, kFrame3, L"描画色：", L"", {120, 600, 630, 180}},
    {kTxtCol1, K::Edit, kFrame3, L"00FF00", L"", {1080, 540, 855, 270}},
    {kShape1, K::ColourSample, kFrame3, L"", L"", {2100, 540, 315, 315}},
    {kLabel8, K::Label, kFrame3, L"背景色：", L"", {120, 960, 630, 180}},
    {kTxtCol2, K::Edit, kFrame3, L"000000", L"", {1080, 900, 855, 270}},
    {kShape2, K::ColourSample, kFrame3, L"", L"", {2100, 900, 315, 315}},
    {kLabel5, K::Label, kFrame3, L"描画間隔：", L"", {120, 1320, 810, 180}},
    {kTxtTime, K::Edit, kFrame3, L"1000", L"", {1080, 1260, 855, 270}},
    {kLabel9, K::Label, kFrame3, L"(ms)", L"", {2100, 1320, 375, 195}},
    {kFrame2, K::Frame, 0, L"クリップ機能", L"", {2940, 1920, 3075, 2655}},
    {kChkClip, K::CheckBox, kFrame2, L"クリップ機能を使用する", L"", {120, 240, 2115, 255}},
    {kTxtClip, K::MultiLineEdit, kFrame2, L"", L"", {120, 600, 2835, 1935}},
    {kCmdOK, K::Button, 0, L"OK", L"", {3780, 4740, 1035, 315}},
    {kCmdCancel, K::Button, 0, L"ｷｬﾝｾﾙ", L"", {4980, 4740, 1035, 315}},
    {kLabel4, K::GreyLabel, 0, kCredit, L"", {120, 4920, 1755, 180}},
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
