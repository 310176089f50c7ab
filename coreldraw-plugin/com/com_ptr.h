// Owning pointer to a COM interface: releases on every path out, adds a reference when it borrows.
#pragma once
#include <unknwn.h>

#include <utility>

namespace orvan::corel {

template <class I>
class ComPtr {
public:
  ComPtr() = default;
  ComPtr(std::nullptr_t) {}
  // Takes over a reference that the caller already owns (an out parameter, a new object).
  static ComPtr adopt(I* owned) { ComPtr p; p.p_ = owned; return p; }
  // Shares a pointer that someone else owns.
  static ComPtr borrow(I* borrowed) { if (borrowed) borrowed->AddRef(); return adopt(borrowed); }
  ComPtr(const ComPtr& o) : p_(o.p_) { if (p_) p_->AddRef(); }
  ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  ComPtr& operator=(ComPtr o) noexcept { std::swap(p_, o.p_); return *this; }
  ~ComPtr() { reset(); }

  void reset() { if (p_) std::exchange(p_, nullptr)->Release(); }
  I* get() const { return p_; }
  I* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  I** put() { reset(); return &p_; }

private:
  I* p_ = nullptr;
};

}  // namespace orvan::corel
