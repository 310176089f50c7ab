// CorelDRAW's plug-in interface as the plug-in implements it: IDispatch followed by the four
// session slots, in the order the host calls through them. Shared with the simulated host.
#pragma once
#include <oaidl.h>

namespace orvan::corel {

// {B0580005-9AA4-44FD-9547-4F91EB757AC4}
inline constexpr IID IID_IVGAppPlugin = {0xB0580005, 0x9AA4, 0x44FD, {0x95, 0x47, 0x4F, 0x91, 0xEB, 0x75, 0x7A, 0xC4}};

struct IVGAppPlugin : public IDispatch {
  virtual HRESULT STDMETHODCALLTYPE OnLoad(IDispatch* application) = 0;
  virtual HRESULT STDMETHODCALLTYPE StartSession() = 0;
  virtual HRESULT STDMETHODCALLTYPE StopSession() = 0;
  virtual HRESULT STDMETHODCALLTYPE OnUnload() = 0;
};

// The export the host calls first; it answers 0x100.
using AttachPluginFunction = int(STDMETHODCALLTYPE*)(IVGAppPlugin** plugin);
inline constexpr int kAttachPluginResult = 0x100;

// Application event numbers, as the host passes them to the sink's Invoke.
enum HostEvent : DISPID {
  EventDocumentClosed = 16,
  EventSelectionChanged = 17,
  EventStarted = 18,
  EventPluginCommand = 20,
  EventPluginCommandState = 21,
};

}  // namespace orvan::corel
