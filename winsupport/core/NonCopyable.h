#pragma once

namespace vr {

// A base for owners of one thing (a handle, a window, a service): copying
// would let two objects release it.
class NonCopyable {
  protected:
    NonCopyable() = default;
    ~NonCopyable() = default;

  public:
    NonCopyable(const NonCopyable&) = delete;
    NonCopyable& operator=(const NonCopyable&) = delete;
};

} // namespace vr
