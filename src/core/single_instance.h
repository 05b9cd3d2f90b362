// Tells whether another Vitrane already runs for this user.
#pragma once

#include "common/unique_handle.h"

namespace core {

class SingleInstance {
  public:
    SingleInstance();
    bool IsFirst() const { return first_; }

  private:
    common::unique_handle_t mutex_;
    bool first_ = true;
};

}  // namespace core
