// The type library this program carries as a resource, injected failures, and host errors.
#include "automation_object.h"

#include <map>

#include "model.h"

namespace orvan::corelsim {

ITypeInfo* TypeInfoOf(REFIID iid) {
  static ITypeLib* library = [] {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    ITypeLib* lib = nullptr;
    if (FAILED(LoadTypeLibEx(self, REGKIND_NONE, &lib))) {
      MessageBoxW(nullptr, L"The simulated CorelDRAW cannot load its type library.", L"CorelDRAW", MB_OK);
      ExitProcess(3);
    }
    return lib;
  }();
  static std::map<GUID, ITypeInfo*, bool (*)(const GUID&, const GUID&)> infos(
      [](const GUID& a, const GUID& b) { return memcmp(&a, &b, sizeof a) < 0; });
  auto& info = infos[iid];
  if (!info) library->GetTypeInfoOfGuid(iid, &info);
  return info;
}

HRESULT InjectedFailure(const char* object, ITypeInfo* info, DISPID id, std::wstring& description) {
  BSTR name = nullptr;
  UINT count = 0;
  if (FAILED(info->GetNames(id, &name, 1, &count)) || count == 0) return S_OK;
  const std::string key = std::string(object) + "." + Narrow(name);
  SysFreeString(name);
  Host& host = TheHost();
  const int call = ++host.calls[key];
  for (const Fault& fault : host.faults)
    if (fault.member == key && fault.call == call) {
      description = L"Injected failure of " + Wide(key) + L" (call " + std::to_wstring(call) + L")";
      host.hostErrors.push_back(Narrow(description));
      return fault.code;
    }
  return S_OK;
}

HRESULT HostFailure(const std::wstring& description, HRESULT code) {
  TheHost().hostErrors.push_back(Narrow(description));
  ICreateErrorInfo* create = nullptr;
  if (SUCCEEDED(CreateErrorInfo(&create))) {
    create->SetDescription(const_cast<LPOLESTR>(description.c_str()));
    create->SetSource(const_cast<LPOLESTR>(L"CorelDRAW"));
    IErrorInfo* error = nullptr;
    if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&error)))) {
      SetErrorInfo(0, error);
      error->Release();
    }
    create->Release();
  }
  return code;
}

std::wstring Wide(const std::string& text) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
  std::wstring out(size_t(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), out.data(), n);
  return out;
}

std::string Narrow(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(size_t(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

std::string Narrow(BSTR text) { return text ? Narrow(std::wstring(text, SysStringLen(text))) : std::string(); }

}  // namespace orvan::corelsim
