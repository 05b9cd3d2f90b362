// A base for objects tied to their address (a window's back pointer, a
// timer, an open clipboard): neither copied nor moved.
#pragma once

namespace common {

class NonCopyable {
  public:
    NonCopyable(const NonCopyable&) = delete;
    NonCopyable& operator=(const NonCopyable&) = delete;

  protected:
    NonCopyable() = default;
    ~NonCopyable() = default;
};

}  // namespace common
