#include "companion/tray_record.h"

#include <cwchar>
#include <string>

#include "common/text.h"
#include "companion/message_actions.h"

namespace companion {

TrayRecord::TrayRecord(HWND owner, std::wstring_view tip) {
    // The first layout: every shell reads it, whatever the headers' target.
    data_.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data_.hWnd = owner;
    data_.uID = 0;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data_.uCallbackMessage = kTrayCallbackMessage;
    std::wstring cut = common::CutUtf16(tip, 63);
    wmemcpy(data_.szTip, cut.c_str(), cut.size());
}

TrayRecord::~TrayRecord() {
    if (added_) Delete();
}

bool TrayRecord::Add() {
    added_ = true;  // deleted at the end whatever the shell answered
    return Shell_NotifyIconW(NIM_ADD, &data_) != FALSE;
}

void TrayRecord::Modify() {
    Shell_NotifyIconW(NIM_MODIFY, &data_);
}

void TrayRecord::Delete() {
    Shell_NotifyIconW(NIM_DELETE, &data_);
    added_ = false;
}

}  // namespace companion
