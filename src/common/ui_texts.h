// Every text the two programs show, one table per language (ui_texts_ja.cpp,
// ui_texts_en.cpp). A new text is one name here and one row in each table,
// in the same place. No <windows.h>.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "common/language.h"

namespace common {

enum class UiText {
    None,  // no text at all; in no table

    // The tray icon: its menu, the clip submenu's add item and its tooltip.
    TrayClip,
    TrayRate,
    TrayRestoreAll,
    TrayOptions,
    TrayVersion,
    TrayExit,
    ClipAdd,
    TrayTooltip,  // {0} the version, {1} the processor count

    // The box a second start shows, and the clip add item's input box.
    AlreadyRunning,
    AlreadyRunningTitle,
    InputPrompt,
    InputTitle,
    InputCancel,
    OK,

    // The version dialog.
    VersionCaption,
    VersionTitle,
    VersionLabel,  // {0} the version
    Credit,

    // The options dialog.
    OptionsCaption,
    HotkeyFrame,
    AlphaKeyLabel,
    AlphaKeyTip,
    AlphaKeyHint,
    OnTopKeyLabel,
    OnTopKeyTip,
    OnTopKeyHint,
    TaskbarKeyLabel,
    TaskbarKeyTip,
    TaskbarKeyHint,
    TrayKeyLabel,
    TrayKeyTip,
    TrayKeyHint,
    TransparencyFrame,
    RateLabel,
    RateTip,
    SmoothFadeCheck,
    CpuFrame,
    CpuCheck,
    DrawColourLabel,
    BackColourLabel,
    IntervalLabel,
    IntervalUnit,
    ClipFrame,
    ClipCheck,
    OptionsCancel,
    KeyNone,  // the hotkey lists' first entry
    GeneralFrame,
    WholeWindowCheck,
    RestoreOnExitCheck,
    StartWithWindowsCheck,
    LanguageLabel,
    LanguageName,  // each table names its own language

    // Corvel's menu.
    CompanionShow,
    CompanionHide,
    CompanionTakeOut,

    // The notices near the cursor when an effect did nothing.
    NoticeRefused,
    NoticeSelfDrawn,
    NoticeCompanionMissing,
    NoticeCompanionFailed,

    Count
};

inline constexpr size_t kUiTextCount = static_cast<size_t>(UiText::Count) - 1;

struct TextRow {
    UiText Id;
    std::wstring_view Text;
};

// A table holds every text but None, each once, in the order of the names.
template <size_t N>
constexpr bool CompleteInOrder(const TextRow (&rows)[N]) {
    if (N != kUiTextCount) return false;
    for (size_t i = 0; i < N; ++i)
        if (rows[i].Id != static_cast<UiText>(i + 1) || rows[i].Text.empty()) return false;
    return true;
}

// The text in that language; None gives the empty text.
std::wstring_view TextOf(Language language, UiText id);

// The tables themselves, for any id but None.
std::wstring_view JapaneseText(UiText id);
std::wstring_view EnglishText(UiText id);

// `pattern` with "{0}", "{1}", ... replaced by the values in that order; a
// placeholder without a value stays as it is.
std::wstring FillIn(std::wstring_view pattern, std::initializer_list<std::wstring_view> values);

}  // namespace common
