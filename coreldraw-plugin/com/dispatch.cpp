// The one place that builds DISPPARAMS, reverses arguments, names the put argument and frees EXCEPINFO.
#include "dispatch.h"

#include <cwchar>

namespace orvan::corel {

namespace {

std::wstring hex(HRESULT hr) {
  wchar_t buffer[16];
  swprintf(buffer, 16, L"0x%08lX", static_cast<unsigned long>(hr));
  return buffer;
}

// Takes the host's description out of EXCEPINFO and frees its strings.
std::wstring takeDescription(EXCEPINFO& info, HRESULT& code) {
  if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
  std::wstring text = info.bstrDescription ? std::wstring(info.bstrDescription, SysStringLen(info.bstrDescription))
                                           : std::wstring();
  if (info.scode) code = info.scode;
  SysFreeString(info.bstrSource);
  SysFreeString(info.bstrDescription);
  SysFreeString(info.bstrHelpFile);
  return text;
}

}  // namespace

long Variant::toInteger() const {
  VARIANT out; VariantInit(&out);
  HRESULT hr = VariantChangeType(&out, const_cast<VARIANT*>(&v_), 0, VT_I4);
  if (FAILED(hr)) throw HostError(hr, L"CorelDRAW answered with a value that is not a number.");
  return out.lVal;
}

double Variant::toReal() const {
  VARIANT out; VariantInit(&out);
  HRESULT hr = VariantChangeType(&out, const_cast<VARIANT*>(&v_), 0, VT_R8);
  if (FAILED(hr)) throw HostError(hr, L"CorelDRAW answered with a value that is not a number.");
  return out.dblVal;
}

bool Variant::toBoolean() const {
  VARIANT out; VariantInit(&out);
  HRESULT hr = VariantChangeType(&out, const_cast<VARIANT*>(&v_), 0, VT_BOOL);
  if (FAILED(hr)) throw HostError(hr, L"CorelDRAW answered with a value that is not a Boolean.");
  return out.boolVal != VARIANT_FALSE;
}

std::wstring Variant::toText() const {
  Variant out;
  HRESULT hr = VariantChangeType(out.put(), const_cast<VARIANT*>(&v_), 0, VT_BSTR);
  if (FAILED(hr)) throw HostError(hr, L"CorelDRAW answered with a value that is not a text.");
  return std::wstring(out.get().bstrVal, SysStringLen(out.get().bstrVal));
}

DISPID Dispatch::idOf(const wchar_t* member) const {
  for (const auto& [name, id] : ids_)
    if (name == member) return id;
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(member)};
  HRESULT hr = object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr))
    throw HostError(hr, L"CorelDRAW does not know the member " + std::wstring(member) + L" (" + hex(hr) + L").");
  ids_.emplace_back(member, id);
  return id;
}

Variant Dispatch::invoke(const wchar_t* member, WORD flags, const Variant* args, size_t count,
                         bool propertyPut) const {
  if (!object_)
    throw HostError(E_POINTER, L"CorelDRAW has no " + source_ + L" to use " + member + L" on.");
  const DISPID id = idOf(member);
  // Automation passes arguments last-first; the VARIANTs stay owned by the caller's Variants.
  std::vector<VARIANTARG> reversed(count);
  for (size_t i = 0; i < count; ++i) reversed[count - 1 - i] = args[i].get();
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{reversed.data(), propertyPut ? &named : nullptr, UINT(count), propertyPut ? 1u : 0u};
  Variant result;
  EXCEPINFO info{};
  UINT argError = 0;
  HRESULT hr = object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                               propertyPut ? nullptr : result.put(), &info, &argError);
  if (hr == DISP_E_EXCEPTION) {
    std::wstring text = takeDescription(info, hr);
    if (text.empty()) text = L"CorelDRAW could not carry out " + std::wstring(member) + L" (" + hex(hr) + L").";
    throw HostError(hr, text);
  }
  if (FAILED(hr))
    throw HostError(hr, L"CorelDRAW refused " + std::wstring(member) + L" (" + hex(hr) + L").");
  return result;
}

Variant Dispatch::get(const wchar_t* member, std::initializer_list<Variant> args) const {
  return invoke(member, DISPATCH_PROPERTYGET | DISPATCH_METHOD, args.begin(), args.size(), false);
}

Dispatch Dispatch::object(const wchar_t* member, std::initializer_list<Variant> args) const {
  Variant v = get(member, args);
  if (v.type() != VT_DISPATCH && v.type() != VT_EMPTY && v.type() != VT_NULL)
    throw HostError(DISP_E_TYPEMISMATCH, L"CorelDRAW answered " + std::wstring(member) + L" with a value that is not an object.");
  return Dispatch::borrow(v.dispatch(), member);
}

void Dispatch::put(const wchar_t* member, const Variant& value) const {
  invoke(member, DISPATCH_PROPERTYPUT, &value, 1, true);
}

Variant Dispatch::call(const wchar_t* member, std::initializer_list<Variant> args) const {
  return invoke(member, DISPATCH_METHOD, args.begin(), args.size(), false);
}

}  // namespace orvan::corel
