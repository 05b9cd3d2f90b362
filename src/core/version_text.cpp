#include "core/version_text.h"

#include "common/text.h"

namespace core {
namespace {

std::wstring TwoDigits(unsigned value) {
    std::wstring s = std::to_wstring(value);
    if (s.size() < 2) s.insert(0, 2 - s.size(), L'0');
    return s;
}

}  // namespace

std::wstring VersionNumber(const common::FileVersion& v) {
    return std::to_wstring(v.Major) + L"." + TwoDigits(v.Minor) + L"." + TwoDigits(v.Revision);
}

std::wstring VersionLabel(const common::FileVersion& v) {
    return L"ﾊﾞｰｼﾞｮﾝ " + VersionNumber(v);
}

std::wstring TrayTooltip(const common::FileVersion& v, int32_t processors) {
    std::wstring tip = L"ウィンドウ透過ツール\r\n     Ver. ";
    tip += VersionNumber(v);
    tip += L"\r\n";
    tip += std::wstring(11, L' ');
    tip += std::to_wstring(processors);
    tip += L"CPU搭載";
    return common::CutUtf16(tip, 63);
}

}  // namespace core
