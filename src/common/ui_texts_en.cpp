// The English texts, written for this program; the menus carry mnemonics,
// as English Windows menus do.
#include "common/ui_texts.h"

namespace common {
namespace {

using T = UiText;

constexpr TextRow kEnglish[] = {
    {T::TrayClip, L"&Clip texts"},
    {T::TrayRate, L"&Transparency"},
    {T::TrayRestoreAll, L"&Restore all"},
    {T::TrayOptions, L"&Settings\u2026"},
    {T::TrayVersion, L"&About"},
    {T::TrayExit, L"E&xit"},
    {T::ClipAdd, L"-- &Add --"},
    {T::TrayTooltip, L"Window transparency tool\r\nVersion {0}\r\nProcessors: {1}"},
    {T::AlreadyRunning, L"Vitrane is already running."},
    {T::AlreadyRunningTitle, L"Warning"},
    {T::InputPrompt, L"Type the text to keep in the clip list."},
    {T::InputTitle, L"Add a clip text"},
    {T::InputCancel, L"Cancel"},
    {T::OK, L"OK"},
    {T::VersionCaption, L"About Vitrane"},
    {T::VersionTitle, L"Window transparency tool"},
    {T::VersionLabel, L"Version {0}"},
    {T::Credit, L"© 2026 Vitrane"},
    {T::OptionsCaption, L"Settings - Window transparency tool"},
    {T::HotkeyFrame, L"Hotkeys"},
    {T::AlphaKeyLabel, L"Translucent:"},
    {T::AlphaKeyTip, L"The key that makes the window under the mouse translucent"},
    {T::AlphaKeyHint, L"(+Shift: opaque again)"},
    {T::OnTopKeyLabel, L"Always on top:"},
    {T::OnTopKeyTip, L"The key that keeps the window under the mouse on top"},
    {T::OnTopKeyHint, L"(+Shift: not on top)"},
    {T::TaskbarKeyLabel, L"Taskbar button:"},
    {T::TaskbarKeyTip, L"The key that gives the window under the mouse a taskbar button"},
    {T::TaskbarKeyHint, L"(+Shift: no taskbar button)"},
    {T::TrayKeyLabel, L"Park in the tray:"},
    {T::TrayKeyTip, L"The key that parks the window under the mouse in the tray"},
    {T::TrayKeyHint, L"(+Shift: take it out again)"},
    {T::TransparencyFrame, L"Translucency"},
    {T::RateLabel, L"Rate:"},
    {T::RateTip, L"How see-through the window becomes"},
    {T::SmoothFadeCheck, L"Fade by hand with the middle mouse button"},
    {T::CpuFrame, L"CPU monitor"},
    {T::CpuCheck, L"Use the CPU monitor"},
    {T::DrawColourLabel, L"Lines:"},
    {T::BackColourLabel, L"Backdrop:"},
    {T::IntervalLabel, L"Interval:"},
    {T::IntervalUnit, L"(ms)"},
    {T::ClipFrame, L"Clip texts"},
    {T::ClipCheck, L"Use clip texts"},
    {T::OptionsCancel, L"Cancel"},
    {T::KeyNone, L"-Not used-"},
    {T::GeneralFrame, L"General"},
    {T::WholeWindowCheck, L"Act on the whole window"},
    {T::RestoreOnExitCheck, L"Restore all on exit"},
    {T::StartWithWindowsCheck, L"Start with Windows"},
    {T::LanguageLabel, L"Language"},
    {T::LanguageName, L"English"},
    {T::CompanionShow, L"&Show"},
    {T::CompanionHide, L"&Hide"},
    {T::CompanionTakeOut, L"&Remove from tray"},
    {T::NoticeRefused, L"No effect on windows run as administrator"},
    {T::NoticeSelfDrawn, L"This window cannot be made translucent"},
    {T::NoticeCompanionMissing, L"Corvel.exe was not found"},
    {T::NoticeCompanionFailed, L"Corvel.exe could not be started"},
};
static_assert(CompleteInOrder(kEnglish));

}  // namespace

std::wstring_view EnglishText(UiText id) {
    return kEnglish[static_cast<size_t>(id) - 1].Text;
}

}  // namespace common
