// The Japanese texts: the programs' texts as they have always read.
#include "common/ui_texts.h"

namespace common {
namespace {

using T = UiText;

constexpr TextRow kJapanese[] = {
    {T::TrayClip, L"クリップ"},
    {T::TrayRate, L"透過率"},
    {T::TrayRestoreAll, L"すべて元に戻す"},
    {T::TrayOptions, L"<<<設定>>>"},
    {T::TrayVersion, L"バージョン情報"},
    {T::TrayExit, L"終了"},
    {T::ClipAdd, L"－－追加－－"},
    {T::TrayTooltip, L"ウィンドウ透過ツール\r\n     Ver. {0}\r\n           {1}CPU搭載"},
    {T::AlreadyRunning, L"すでに起動済みです"},
    {T::AlreadyRunningTitle, L"警告"},
    {T::InputPrompt, L"登録する文字を入力してください。"},
    {T::InputTitle, L"入力"},
    {T::InputCancel, L"キャンセル"},
    {T::OK, L"OK"},
    {T::VersionCaption, L"バージョン情報"},
    {T::VersionTitle, L"ウィンドウ透過ツール　(Win2000・XP専用)"},
    {T::VersionLabel, L"ﾊﾞｰｼﾞｮﾝ {0}"},
    {T::Credit, L"© 2026 Vitrane"},
    {T::OptionsCaption, L"設定　　--ウィンドウ透過ツール--"},
    {T::HotkeyFrame, L"ホットキー"},
    {T::AlphaKeyLabel, L"透過機能："},
    {T::AlphaKeyTip, L"透過表示するときに使うキーを設定します"},
    {T::AlphaKeyHint, L"(＋Shiftで透過を解除)"},
    {T::OnTopKeyLabel, L"常に手前機能："},
    {T::OnTopKeyTip, L"常に手前表示をするときに使うキーを設定します"},
    {T::OnTopKeyHint, L"(＋Shiftで常に手前を解除)"},
    {T::TaskbarKeyLabel, L"タスクバー表示機能："},
    // The lists after the first have always carried the always-on-top tip.
    {T::TaskbarKeyTip, L"常に手前表示をするときに使うキーを設定します"},
    {T::TaskbarKeyHint, L"(＋Shiftでタスクバーに表示しない)"},
    {T::TrayKeyLabel, L"タスクトレイ機能："},
    {T::TrayKeyTip, L"常に手前表示をするときに使うキーを設定します"},
    {T::TrayKeyHint, L"(＋Shiftでタスクトレイから取り出す)"},
    {T::TransparencyFrame, L"透過機能"},
    {T::RateLabel, L"透過率："},
    {T::RateTip, L"透過する割合を設定します"},
    {T::SmoothFadeCheck, L"マウス（センターボタン）によるスムース透過を使用する"},
    {T::CpuFrame, L"CPUモニタ機能"},
    {T::CpuCheck, L"CPUモニタ機能を使用する"},
    {T::DrawColourLabel, L"描画色："},
    {T::BackColourLabel, L"背景色："},
    {T::IntervalLabel, L"描画間隔："},
    {T::IntervalUnit, L"(ms)"},
    {T::ClipFrame, L"クリップ機能"},
    {T::ClipCheck, L"クリップ機能を使用する"},
    {T::OptionsCancel, L"ｷｬﾝｾﾙ"},
    {T::KeyNone, L"-使用しない-"},
    {T::GeneralFrame, L"全般"},
    {T::WholeWindowCheck, L"ウィンドウ全体に効かせる"},
    {T::RestoreOnExitCheck, L"終了時にすべて元に戻す"},
    {T::StartWithWindowsCheck, L"Windows の起動時に開始"},
    {T::LanguageLabel, L"表示言語"},
    {T::LanguageName, L"日本語"},
    {T::CompanionShow, L"表示"},
    {T::CompanionHide, L"隠す"},
    {T::CompanionTakeOut, L"トレイからはずす"},
    {T::NoticeRefused, L"管理者権限のウィンドウには効きません"},
    {T::NoticeSelfDrawn, L"このウィンドウは透過できません"},
    {T::NoticeCompanionMissing, L"Corvel.exe が見つかりません"},
    {T::NoticeCompanionFailed, L"Corvel.exe を起動できません"},
};
static_assert(CompleteInOrder(kJapanese));

}  // namespace

std::wstring_view JapaneseText(UiText id) {
    return kJapanese[static_cast<size_t>(id) - 1].Text;
}

}  // namespace common
