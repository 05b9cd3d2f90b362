#include "core/tray_icon.h"

#include "common/text.h"

namespace core {

TrayIcon::TrayIcon(HWND owner, UINT id, UINT callbackMessage) {
    // The first layout: every shell from Windows 95 on reads it, and the
    // larger ones depend on the headers' target version.
    data_.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data_.hWnd = owner;
    data_.uID = id;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data_.uCallbackMessage = callbackMessage;
}

TrayIcon::~TrayIcon() {
    if (added_) Delete();
}

void TrayIcon::SetTip(const std::wstring& tip) {
    std::wstring cut = common::CutUtf16(tip, 63);
    wmemset(data_.szTip, L'\0', 64);
    wmemcpy(data_.szTip, cut.c_str(), cut.size());
}

bool TrayIcon::Add() {
    added_ = Shell_NotifyIconW(NIM_ADD, &data_) != FALSE;
    return added_;
}

bool TrayIcon::Modify() {
    return Shell_NotifyIconW(NIM_MODIFY, &data_) != FALSE;
}

bool TrayIcon::Delete() {
    added_ = false;
    return Shell_NotifyIconW(NIM_DELETE, &data_) != FALSE;
}

}  // namespace core
