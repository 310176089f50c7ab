// The plug-in object CorelDRAW talks to: its plug-in interface (load, session start and stop,
// unload) and the sink of the application's numbered events.
#pragma once
#include <memory>

#include "command_table.h"
#include "plugin_interface.h"

namespace orvan::corel {

class CommunicationInterface final : public IVGAppPlugin {
public:
  CommunicationInterface() = default;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override;
  ULONG STDMETHODCALLTYPE AddRef() noexcept override;
  ULONG STDMETHODCALLTYPE Release() noexcept override;
  // IDispatch: only Invoke is used, as the event sink.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) noexcept override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) noexcept override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID event, REFIID iid, LCID locale, WORD flags, DISPPARAMS* args,
                                   VARIANT* result, EXCEPINFO* exception, UINT* argError) noexcept override;
  // IVGAppPlugin
  HRESULT STDMETHODCALLTYPE OnLoad(IDispatch* application) noexcept override;
  HRESULT STDMETHODCALLTYPE StartSession() noexcept override;
  HRESULT STDMETHODCALLTYPE StopSession() noexcept override;
  HRESULT STDMETHODCALLTYPE OnUnload() noexcept override;

private:
  ~CommunicationInterface() = default;
  HRESULT startSession();
  void stopSession();
  void handleEvent(DISPID event, const DISPPARAMS* args);

  // The host calls on one thread only: a plain count is enough.
  LONG references_ = 1;
  LONG eventCookie_ = 0;
  std::unique_ptr<CommandTable> commands_;
  ComPtr<IDispatch> application_;
};

}  // namespace orvan::corel
