// The standard-dispatch base of every simulated host object: IUnknown, IDispatch through the
// embedded type library (DispGetIDsOfNames, DispInvoke), injected failures and host errors.
#pragma once
#include <windows.h>
#include <oleauto.h>

#include <string>

#include "corel_model.h"

namespace orvan::corelsim {

// The type library embedded in this program; loaded once.
ITypeInfo* TypeInfoOf(REFIID iid);

// An injected failure for this call of Object.Member, counted per member; S_OK when none.
HRESULT InjectedFailure(const char* object, ITypeInfo* info, DISPID id, std::wstring& description);

// Raises a host error from inside a method: the description travels to the caller's EXCEPINFO.
HRESULT HostFailure(const std::wstring& description, HRESULT code = E_FAIL);

std::wstring Wide(const std::string& text);
std::string Narrow(const std::wstring& text);
std::string Narrow(BSTR text);

template <class I>
class AutomationObject : public I {
public:
  explicit AutomationObject(const char* objectName) : name_(objectName) {}
  virtual ~AutomationObject() = default;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, __uuidof(I))) {
      *out = static_cast<I*>(this);
      this->AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(++refs_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG n = --refs_;
    if (n == 0) delete this;
    return ULONG(n);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
    if (!info) return E_POINTER;
    if (index != 0) return DISP_E_BADINDEX;
    *info = TypeInfoOf(__uuidof(I));
    (*info)->AddRef();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    return DispGetIDsOfNames(TypeInfoOf(__uuidof(I)), names, count, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO* exception, UINT* argError) override {
    ITypeInfo* info = TypeInfoOf(__uuidof(I));
    std::wstring description;
    if (HRESULT injected = InjectedFailure(name_, info, id, description); injected != S_OK) {
      if (exception) {
        *exception = EXCEPINFO{};
        exception->scode = injected;
        exception->bstrSource = SysAllocString(L"CorelDRAW");
        exception->bstrDescription = SysAllocString(description.c_str());
      }
      return DISP_E_EXCEPTION;
    }
    return DispInvoke(static_cast<I*>(this), info, id, flags, params, result, exception, argError);
  }

protected:
  // Hands a new object out through an [out, retval] IDispatch**.
  template <class T>
  static HRESULT Out(T* object, IDispatch** out) {
    if (!out) { object->Release(); return E_POINTER; }
    *out = object;
    return S_OK;
  }

private:
  LONG refs_ = 1;
  const char* name_;
};

}  // namespace orvan::corelsim
