#pragma once

#include <utility>

namespace korvo {

// Saves a value, optionally gives it a new one, and puts the saved value back when the scope
// ends, however it ends.
//
//   ScopedChange restoreParent(rc.parentInsert, this);
template <class T>
class ScopedChange {
 public:
  explicit ScopedChange(T& target) : target_(target), saved_(target) {}
  ScopedChange(T& target, T value) : target_(target), saved_(target) { target_ = std::move(value); }
  ~ScopedChange() { target_ = std::move(saved_); }
  ScopedChange(const ScopedChange&) = delete;
  ScopedChange& operator=(const ScopedChange&) = delete;

  const T& saved() const { return saved_; }

 private:
  T& target_;
  T saved_;
};

// The new value converts to the target's type: `ScopedChange(constPointer, &mutableObject)`.
template <class T, class U>
ScopedChange(T&, U) -> ScopedChange<T>;

}  // namespace korvo
