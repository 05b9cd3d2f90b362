// Tells whether another Vitrane already runs for this user.
#pragma once

#include <string>

#include "common/unique_handle.h"

namespace core {

// The name of the mutex the first copy holds for as long as it runs.
std::wstring InstanceMutexName();

class SingleInstance {
  public:
    SingleInstance();
    bool IsFirst() const { return first_; }

  private:
    common::unique_handle_t mutex_;
    bool first_ = true;
};

}  // namespace core
