#include "effects/change_journal.h"

#include <algorithm>
#include <utility>

namespace effects {

const ChangedWindow* ChangeJournal::Find(int32_t window, const WindowOwner& owner) const {
    for (const auto& r : records_)
        if (r.Window == window) return r.Owner == owner ? &r : nullptr;
    return nullptr;
}

bool ChangeJournal::Remember(const ChangedWindow& record) {
    auto it = std::find_if(records_.begin(), records_.end(),
                           [&](const ChangedWindow& r) { return r.Window == record.Window; });
    if (it == records_.end()) {
        records_.push_back(record);
        return true;
    }
    if (it->Owner == record.Owner) return false;
    *it = record;
    return true;
}

void ChangeJournal::Forget(int32_t window) {
    std::erase_if(records_, [&](const ChangedWindow& r) { return r.Window == window; });
}

std::vector<ChangedWindow> ChangeJournal::TakeAll() {
    return std::exchange(records_, {});
}

}  // namespace effects
