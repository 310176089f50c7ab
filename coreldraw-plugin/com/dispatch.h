// Late-bound calls into CorelDRAW by member name: every host object is reached through IDispatch,
// so the plug-in depends on no vtable layout of the host's own type library.
#pragma once
#include <oaidl.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "com_ptr.h"
#include "host_error.h"
#include "variant.h"

namespace orvan::corel {

class Dispatch {
public:
  Dispatch() = default;
  // source names the member this object came from, for the message when it is absent.
  Dispatch(ComPtr<IDispatch> object, std::wstring source = L"object")
      : object_(std::move(object)), source_(std::move(source)) {}
  static Dispatch borrow(IDispatch* object, std::wstring source = L"object") {
    return Dispatch(ComPtr<IDispatch>::borrow(object), std::move(source));
  }

  explicit operator bool() const { return bool(object_); }
  IDispatch* raw() const { return object_.get(); }

  // Property get (also with index arguments, as Item takes them).
  Variant get(const wchar_t* member, std::initializer_list<Variant> args = {}) const;
  // Property get of an object; empty when the host answers "nothing".
  Dispatch object(const wchar_t* member, std::initializer_list<Variant> args = {}) const;
  void put(const wchar_t* member, const Variant& value) const;
  Variant call(const wchar_t* member, std::initializer_list<Variant> args = {}) const;

private:
  DISPID idOf(const wchar_t* member) const;
  Variant invoke(const wchar_t* member, WORD flags, const Variant* args, size_t count, bool propertyPut) const;

  ComPtr<IDispatch> object_;
  std::wstring source_;
  mutable std::vector<std::pair<const wchar_t*, DISPID>> ids_;  // member names are constants
};

}  // namespace orvan::corel
