// Owning VARIANT and BSTR guards, and the small builder the plug-in uses for automation arguments.
#pragma once
#include <oaidl.h>
#include <oleauto.h>

#include <string>
#include <string_view>

namespace orvan::corel {

class Bstr {
public:
  Bstr() = default;
  explicit Bstr(std::wstring_view text) : b_(SysAllocStringLen(text.data(), UINT(text.size()))) {}
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  ~Bstr() { SysFreeString(b_); }
  BSTR get() const { return b_; }
  BSTR release() { BSTR b = b_; b_ = nullptr; return b; }
  BSTR* put() { SysFreeString(b_); b_ = nullptr; return &b_; }
  std::wstring text() const { return b_ ? std::wstring(b_, SysStringLen(b_)) : std::wstring(); }

private:
  BSTR b_ = nullptr;
};

class Variant {
public:
  Variant() { VariantInit(&v_); }
  Variant(const Variant& o) { VariantInit(&v_); VariantCopy(&v_, const_cast<VARIANT*>(&o.v_)); }
  Variant(Variant&& o) noexcept { v_ = o.v_; VariantInit(&o.v_); }
  Variant& operator=(Variant o) noexcept { std::swap(v_, o.v_); return *this; }
  ~Variant() { VariantClear(&v_); }

  static Variant text(std::wstring_view s) { Variant r; r.v_.vt = VT_BSTR; r.v_.bstrVal = Bstr(s).release(); return r; }
  static Variant integer(long n) { Variant r; r.v_.vt = VT_I4; r.v_.lVal = n; return r; }
  static Variant real(double d) { Variant r; r.v_.vt = VT_R8; r.v_.dblVal = d; return r; }
  // Automation's true is VARIANT_TRUE (-1).
  static Variant boolean(bool b) { Variant r; r.v_.vt = VT_BOOL; r.v_.boolVal = b ? VARIANT_TRUE : VARIANT_FALSE; return r; }
  static Variant object(IDispatch* borrowed) {
    Variant r; r.v_.vt = VT_DISPATCH; r.v_.pdispVal = borrowed; if (borrowed) borrowed->AddRef(); return r;
  }
  // An out argument the host fills: the double stays the caller's.
  static Variant realOut(double* target) { Variant r; r.v_.vt = VT_BYREF | VT_R8; r.v_.pdblVal = target; return r; }

  const VARIANT& get() const { return v_; }
  VARIANT* put() { VariantClear(&v_); return &v_; }
  VARTYPE type() const { return v_.vt; }

  // Conversions throw HostError when the host's answer cannot be read as the type asked for.
  long toInteger() const;
  double toReal() const;
  bool toBoolean() const;
  std::wstring toText() const;
  IDispatch* dispatch() const { return v_.vt == VT_DISPATCH ? v_.pdispVal : nullptr; }  // borrowed

private:
  VARIANT v_;
};

}  // namespace orvan::corel
