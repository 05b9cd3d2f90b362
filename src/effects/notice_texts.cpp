#include "effects/notice_texts.h"

namespace effects {

const wchar_t* NoticeText(Notice notice) {
    switch (notice) {
        case Notice::Refused:
            return L"管理者権限のウィンドウには効きません";
        case Notice::SelfDrawn:
            return L"このウィンドウは透過できません";
        case Notice::CompanionMissing:
            return L"Corvel.exe が見つかりません";
        case Notice::CompanionFailed:
            return L"Corvel.exe を起動できません";
    }
    return L"";
}

}  // namespace effects
