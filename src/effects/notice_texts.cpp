#include "effects/notice_texts.h"

namespace effects {

common::UiText NoticeText(Notice notice) {
    switch (notice) {
        case Notice::Refused:
            return common::UiText::NoticeRefused;
        case Notice::SelfDrawn:
            return common::UiText::NoticeSelfDrawn;
        case Notice::CompanionMissing:
            return common::UiText::NoticeCompanionMissing;
        case Notice::CompanionFailed:
            return common::UiText::NoticeCompanionFailed;
    }
    return common::UiText::None;
}

}  // namespace effects
