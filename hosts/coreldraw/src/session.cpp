// The host side of the plug-in's lifecycle, with events built as CorelDRAW builds them.
#include "session.h"

#include <windows.h>

#include <cstdio>
#include <stdexcept>

#include "automation_object.h"
#include "objects.h"
#include "plugin_interface.h"

namespace orvan::corelsim {

namespace {

using nlohmann::json;
using corel::IVGAppPlugin;

std::string Hex(HRESULT hr) {
  char b[16];
  std::snprintf(b, sizeof b, "0x%08lX", static_cast<unsigned long>(hr));
  return b;
}

constexpr VARIANT_BOOL kUnwritten = 0x5A5A;

struct EventArgs {
  std::vector<VARIANTARG> args;  // element 0 first, as the host passes them
  std::vector<VARIANT_BOOL> booleans = std::vector<VARIANT_BOOL>(8, kUnwritten);
  int firstBoolean = -1;         // the index in booleans of the state answer
  ~EventArgs() {
    for (auto& a : args) VariantClear(&a);
  }
  void text(const std::string& s) {
    VARIANTARG v; VariantInit(&v);
    v.vt = VT_BSTR; v.bstrVal = SysAllocString(Wide(s).c_str());
    args.push_back(v);
  }
  void boolean() {
    VARIANTARG v; VariantInit(&v);
    const size_t slot = args.size();
    v.vt = VT_BYREF | VT_BOOL; v.pboolVal = &booleans.at(slot);
    args.push_back(v);
  }
  void integer(long n) {
    VARIANTARG v; VariantInit(&v);
    v.vt = VT_I4; v.lVal = n;
    args.push_back(v);
  }
};

struct Event {
  DISPID number = 0;
  std::string name;
  EventArgs args;
  int answerSlot = -1;  // the argument whose referenced Boolean is the answer
};

// "closed", "selection", "started", "command:ID", "query:ID", or "N[:ARG,...]" with the arguments
// listed element 0 first; an argument is text, "#bool" (a reference to a 16-bit Boolean) or "#int".
void BuildEvent(const std::string& text, Event& e) {
  e.name = text;
  if (text == "closed") { e.number = 16; return; }
  if (text == "selection") { e.number = 17; return; }
  if (text == "started") { e.number = 18; return; }
  if (text.rfind("command:", 0) == 0) {
    e.number = 20;
    e.args.text(text.substr(8));
    return;
  }
  if (text.rfind("query:", 0) == 0) {
    e.number = 21;
    e.args.boolean();  // element 0: not used by the plug-in
    e.args.boolean();  // element 1: the enabled state
    e.args.text(text.substr(6));
    e.answerSlot = 1;
    return;
  }
  const size_t colon = text.find(':');
  e.number = std::stol(text.substr(0, colon));
  if (colon == std::string::npos) return;
  std::string rest = text.substr(colon + 1);
  size_t at = 0;
  while (at <= rest.size()) {
    const size_t comma = rest.find(',', at);
    const std::string arg = rest.substr(at, comma == std::string::npos ? std::string::npos : comma - at);
    if (arg == "#bool") {
      if (e.answerSlot < 0) e.answerSlot = int(e.args.args.size());
      e.args.boolean();
    } else if (arg == "#int") {
      e.args.integer(7);
    } else {
      e.args.text(arg);
    }
    if (comma == std::string::npos) break;
    at = comma + 1;
  }
}

void CloseActiveDocument() {
  Host& host = TheHost();
  if (!host.activeDocument) return;
  host.activeDocument->closed = true;
  host.activeDocument = nullptr;
  for (auto it = host.documents.rbegin(); it != host.documents.rend(); ++it)
    if (!(*it)->closed) { host.activeDocument = *it; break; }
}

json SendEvent(const std::string& text) {
  Event e;
  BuildEvent(text, e);
  if (e.number == 16) CloseActiveDocument();
  json record = {{"event", e.number}, {"name", e.name}};
  Host& host = TheHost();
  if (host.sinks.empty()) {
    record["delivered"] = false;
    return record;
  }
  DISPPARAMS params{e.args.args.empty() ? nullptr : e.args.args.data(), nullptr, UINT(e.args.args.size()), 0};
  VARIANT result;
  VariantInit(&result);
  EXCEPINFO exception{};
  UINT argError = 0;
  // Every subscriber hears the event; a copy, since a handler may subscribe or unsubscribe.
  json results = json::array();
  const auto sinks = host.sinks;
  for (const auto& s : sinks) {
    const HRESULT hr = s.sink->Invoke(e.number, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, &result,
                                      &exception, &argError);
    results.push_back(Hex(hr));
    VariantClear(&result);
  }
  record["delivered"] = true;
  record["results"] = results;
  if (e.answerSlot >= 0) {
    const VARIANT_BOOL written = e.args.booleans[size_t(e.answerSlot)];
    record["written"] = written == kUnwritten ? json(nullptr) : json(int(written));
  }
  return record;
}

// The reference count an object reports, read by one AddRef and its Release.
long CountOf(IUnknown* object) {
  object->AddRef();
  return long(object->Release());
}

json Probe(IVGAppPlugin* plugin) {
  json out = json::object();
  struct Asked { const char* name; IID iid; } asked[] = {
      {"IUnknown", IID_IUnknown}, {"IDispatch", IID_IDispatch}, {"IVGAppPlugin", corel::IID_IVGAppPlugin},
      {"IClassFactory", IID_IClassFactory}};
  out["countBefore"] = CountOf(plugin);
  for (const auto& a : asked) {
    void* got = nullptr;
    const HRESULT hr = plugin->QueryInterface(a.iid, &got);
    json r = {{"result", Hex(hr)}, {"samePointer", got == static_cast<void*>(plugin)}, {"countAfter", CountOf(plugin)}};
    if (got) static_cast<IUnknown*>(got)->Release();
    out["queryInterface"][a.name] = r;
  }
  out["addRef"] = plugin->AddRef();
  out["release"] = plugin->Release();
  UINT count = 99;
  out["getTypeInfoCount"] = Hex(plugin->GetTypeInfoCount(&count));
  ITypeInfo* info = nullptr;
  out["getTypeInfo"] = Hex(plugin->GetTypeInfo(0, 0, &info));
  LPOLESTR names[] = {const_cast<LPOLESTR>(L"OnLoad")};
  DISPID id = 0;
  out["getIDsOfNames"] = Hex(plugin->GetIDsOfNames(IID_NULL, names, 1, 0, &id));
  return out;
}

}  // namespace

json RunSession(const Options& options) {
  json record = json::object();
  HMODULE module = LoadLibraryW(Wide(options.plugin).c_str());
  if (!module) {
    record["loaded"] = false;
    record["loadError"] = long(GetLastError());
    return record;
  }
  record["loaded"] = true;
  auto attach = reinterpret_cast<corel::AttachPluginFunction>(GetProcAddress(module, "AttachPlugin"));
  if (!attach) {
    record["attachExport"] = false;
    FreeLibrary(module);
    return record;
  }
  record["attachExport"] = true;
  IVGAppPlugin* plugin = nullptr;
  record["attachPlugin"] = attach(&plugin);
  record["pluginPointer"] = plugin != nullptr;
  if (!plugin) {
    FreeLibrary(module);
    return record;
  }
  if (options.probe) record["probe"] = Probe(plugin);

  IDispatch* application = NewApplication();
  record["onLoad"] = Hex(plugin->OnLoad(application));
  record["startSession"] = Hex(plugin->StartSession());
  json events = json::array();
  for (const std::string& e : options.events) events.push_back(SendEvent(e));
  record["events"] = events;
  record["stopSession"] = Hex(plugin->StopSession());
  record["onUnload"] = Hex(plugin->OnUnload());
  // After the unload only the host's own reference to its application may remain.
  record["applicationReferencesAfterUnload"] = CountOf(application);
  record["sinksLeft"] = TheHost().sinks.size();
  record["release"] = plugin->Release();
  for (const auto& s : TheHost().sinks) s.sink->Release();
  TheHost().sinks.clear();
  application->Release();
  FreeLibrary(module);
  return record;
}

}  // namespace orvan::corelsim
