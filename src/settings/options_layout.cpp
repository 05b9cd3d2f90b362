#include "settings/options_layout.h"

#include <vector>

#include "common/ui_texts.h"

namespace settings {
namespace {

using K = ControlKind;
using T = common::UiText;

// A control with its texts named, not yet in a language.
struct ControlRow {
    OptionsControl Id;
    ControlKind Kind;
    int Container;
    T Text;
    T Tooltip;
    common::TwipsRect Place;
};

// The edit fields start empty: the store (or the keys' defaults) fills them.
// The credit must fit its 1755-twip label in every language.
constexpr ControlRow kControls[] = {
    {kHotkeyFrame, K::Frame, 0, T::HotkeyFrame, T::None, {60, 60, 5955, 1755}},
    {kAlphaKeyLabel, K::Label, kHotkeyFrame, T::AlphaKeyLabel, T::None, {120, 300, 810, 180}},
    {kAlphaKeyList, K::DropDownList, kHotkeyFrame, T::None, T::AlphaKeyTip, {1800, 240, 1335, 300}},
    {kAlphaKeyHint, K::Label, kHotkeyFrame, T::AlphaKeyHint, T::None, {3180, 300, 1695, 180}},
    {kOnTopKeyLabel, K::Label, kHotkeyFrame, T::OnTopKeyLabel, T::None, {120, 660, 1155, 180}},
    {kOnTopKeyList, K::DropDownList, kHotkeyFrame, T::None, T::OnTopKeyTip, {1800, 600, 1335, 300}},
    {kOnTopKeyHint, K::Label, kHotkeyFrame, T::OnTopKeyHint, T::None, {3180, 660, 2040, 180}},
    {kTaskbarKeyLabel, K::Label, kHotkeyFrame, T::TaskbarKeyLabel, T::None, {120, 1020, 1620, 180}},
    {kTaskbarKeyList,
     K::DropDownList,
     kHotkeyFrame,
     T::None,
     T::TaskbarKeyTip,
     {1800, 960, 1335, 300}},
    {kTaskbarKeyHint, K::Label, kHotkeyFrame, T::TaskbarKeyHint, T::None, {3180, 1020, 2625, 180}},
    {kTrayKeyLabel, K::Label, kHotkeyFrame, T::TrayKeyLabel, T::None, {120, 1380, 1320, 180}},
    {kTrayKeyList, K::DropDownList, kHotkeyFrame, T::None, T::TrayKeyTip, {1800, 1320, 1335, 300}},
    {kTrayKeyHint, K::Label, kHotkeyFrame, T::TrayKeyHint, T::None, {3180, 1380, 2700, 180}},
    {kTransparencyFrame, K::Frame, 0, T::TransparencyFrame, T::None, {60, 1920, 2775, 1215}},
    {kRateLabel, K::Label, kTransparencyFrame, T::RateLabel, T::None, {180, 300, 630, 180}},
    {kRateList, K::DropDownList, kTransparencyFrame, T::None, T::RateTip, {840, 240, 915, 300}},
    {kSmoothFadeCheck,
     K::CheckBox,
     kTransparencyFrame,
     T::SmoothFadeCheck,
     T::None,
     {180, 600, 2535, 495}},
    {kCpuFrame, K::Frame, 0, T::CpuFrame, T::None, {60, 3180, 2775, 1635}},
    {kCpuCheck, K::CheckBox, kCpuFrame, T::CpuCheck, T::None, {120, 240, 2330, 255}},
    {kDrawColourLabel, K::Label, kCpuFrame, T::DrawColourLabel, T::None, {120, 600, 630, 180}},
    {kDrawColourEdit, K::Edit, kCpuFrame, T::None, T::None, {1080, 540, 855, 270}},
    {kDrawColourSample, K::ColourSample, kCpuFrame, T::None, T::None, {2100, 540, 315, 315}},
    {kBackColourLabel, K::Label, kCpuFrame, T::BackColourLabel, T::None, {120, 960, 630, 180}},
    {kBackColourEdit, K::Edit, kCpuFrame, T::None, T::None, {1080, 900, 855, 270}},
    {kBackColourSample, K::ColourSample, kCpuFrame, T::None, T::None, {2100, 900, 315, 315}},
    {kIntervalLabel, K::Label, kCpuFrame, T::IntervalLabel, T::None, {120, 1320, 810, 180}},
    {kIntervalEdit, K::Edit, kCpuFrame, T::None, T::None, {1080, 1260, 855, 270}},
    {kIntervalUnit, K::Label, kCpuFrame, T::IntervalUnit, T::None, {2100, 1320, 375, 195}},
    {kClipFrame, K::Frame, 0, T::ClipFrame, T::None, {2940, 1920, 3075, 2655}},
    {kClipCheck, K::CheckBox, kClipFrame, T::ClipCheck, T::None, {120, 240, 2115, 255}},
    {kClipEdit, K::MultiLineEdit, kClipFrame, T::None, T::None, {120, 600, 2835, 1935}},
    {kOptionsOK, K::Button, 0, T::OK, T::None, {3780, 4740, 1035, 315}},
    {kOptionsCancel, K::Button, 0, T::OptionsCancel, T::None, {4980, 4740, 1035, 315}},
    {kCreditLabel, K::GreyLabel, 0, T::Credit, T::None, {120, 4920, 1755, 180}},
};

// Below everything else, the full width of the dialog.
constexpr ControlRow kGeneral[] = {
    {kGeneralFrame, K::Frame, 0, T::GeneralFrame, T::None, {60, 5160, 5955, 1035}},
    {kWholeWindowCheck,
     K::CheckBox,
     kGeneralFrame,
     T::WholeWindowCheck,
     T::None,
     {120, 240, 2760, 255}},
    {kRestoreOnExitCheck,
     K::CheckBox,
     kGeneralFrame,
     T::RestoreOnExitCheck,
     T::None,
     {3000, 240, 2835, 255}},
    {kStartWithWindowsCheck,
     K::CheckBox,
     kGeneralFrame,
     T::StartWithWindowsCheck,
     T::None,
     {120, 600, 2760, 255}},
    {kLanguageLabel, K::Label, kGeneralFrame, T::LanguageLabel, T::None, {3000, 660, 1260, 180}},
    {kLanguageList, K::DropDownList, kGeneralFrame, T::None, T::None, {4320, 600, 1335, 300}},
};

std::vector<ControlSpec> InLanguage(std::span<const ControlRow> rows, common::Language language) {
    std::vector<ControlSpec> out;
    for (const ControlRow& r : rows)
        out.push_back({r.Id, r.Kind, r.Container, common::TextOf(language, r.Text),
                       common::TextOf(language, r.Tooltip), r.Place});
    return out;
}

// A table in both languages, made once.
struct Localised {
    explicit Localised(std::span<const ControlRow> rows)
        : Japanese(InLanguage(rows, common::Language::Japanese)),
          English(InLanguage(rows, common::Language::English)) {}
    std::span<const ControlSpec> In(common::Language language) const {
        return language == common::Language::English ? English : Japanese;
    }
    std::vector<ControlSpec> Japanese, English;
};

}  // namespace

std::span<const ControlSpec> OptionsControls(common::Language language) {
    static const Localised table(kControls);
    return table.In(language);
}

std::span<const ControlSpec> GeneralControls(common::Language language) {
    static const Localised table(kGeneral);
    return table.In(language);
}

const ControlSpec* FindControl(int id) {
    for (auto table : {OptionsControls(), GeneralControls()})
        for (const auto& c : table)
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
