// Attach, session start and stop, unload, and the event switch of the plug-in object.
#include "communication_interface.h"

#include <optional>
#include <string_view>

#include "host_members.h"
#include "platform/host_window.h"
#include "platform/message_box.h"
#include "toolbar.h"

namespace orvan::corel {

namespace {

// An event argument is read only when it has the type the host promises; anything else is
// ignored, never read as a pointer.
std::optional<std::wstring_view> StringArgument(const VARIANTARG& arg) {
  BSTR text = nullptr;
  if (arg.vt == VT_BSTR)
    text = arg.bstrVal;
  else if (arg.vt == (VT_BYREF | VT_BSTR) && arg.pbstrVal)
    text = *arg.pbstrVal;
  else
    return std::nullopt;
  return std::wstring_view(text ? text : L"", SysStringLen(text));
}

VARIANT_BOOL* BooleanReference(const VARIANTARG& arg) {
  return arg.vt == (VT_BYREF | VT_BOOL) ? arg.pboolVal : nullptr;
}

void RunCommand(CommandTable& table, const DISPPARAMS& args) {
  if (args.cArgs != 1 || !args.rgvarg) return;
  const auto identifier = StringArgument(args.rgvarg[0]);
  if (!identifier) return;
  if (CommandEntry* entry = FindCommand(table, *identifier)) entry->handler(table);
}

void AnswerCommandState(CommandTable& table, const DISPPARAMS& args) {
  if (args.cArgs != 3 || !args.rgvarg) return;
  const auto identifier = StringArgument(args.rgvarg[2]);
  VARIANT_BOOL* enabled = BooleanReference(args.rgvarg[1]);
  if (!identifier || !enabled) return;
  // The host reads this answer as 1 or 0, not automation's -1 for true.
  if (const CommandEntry* entry = FindCommand(table, *identifier)) *enabled = entry->enabled ? 1 : 0;
}

}  // namespace

HRESULT CommunicationInterface::QueryInterface(REFIID iid, void** object) noexcept {
  if (!object) return E_POINTER;
  ++references_;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, IID_IVGAppPlugin)) {
    *object = static_cast<IVGAppPlugin*>(this);
    return S_OK;
  }
  --references_;
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG CommunicationInterface::AddRef() noexcept { return ULONG(++references_); }

ULONG CommunicationInterface::Release() noexcept {
  const LONG count = --references_;
  if (count == 0) delete this;
  return ULONG(count);
}

HRESULT CommunicationInterface::GetTypeInfoCount(UINT*) noexcept { return E_NOTIMPL; }
HRESULT CommunicationInterface::GetTypeInfo(UINT, LCID, ITypeInfo**) noexcept { return E_NOTIMPL; }
HRESULT CommunicationInterface::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) noexcept { return E_NOTIMPL; }

HRESULT CommunicationInterface::Invoke(DISPID event, REFIID, LCID, WORD, DISPPARAMS* args, VARIANT*, EXCEPINFO*,
                                       UINT*) noexcept {
  // Nothing may travel back into the host from here: a host error the command did not handle
  // itself is shown to the user, and anything else is swallowed.
  try {
    handleEvent(event, args);
  } catch (const HostError& error) {
    try {
      ShowMessage(application_ ? HostMainWindowOrNone(Dispatch::borrow(application_.get())) : nullptr,
                  error.description(), L"Error", MB_OK | MB_ICONERROR);
    } catch (...) {
    }
  } catch (...) {
  }
  return S_OK;
}

void CommunicationInterface::handleEvent(DISPID event, const DISPPARAMS* args) {
  // Without a session there is no table to act on.
  if (!commands_) return;
  CommandTable& table = *commands_;
  switch (event) {
    case EventDocumentClosed: ResetCommandStatesForClosedDocument(table); break;
    case EventSelectionChanged: UpdateCommandStates(table); break;
    case EventStarted:
      table.paletteRoutine(table);
      RemoveLegacyToolbars(table);
      break;
    case EventPluginCommand: if (args) RunCommand(table, *args); break;
    case EventPluginCommandState: if (args) AnswerCommandState(table, *args); break;
    default: break;
  }
}

HRESULT CommunicationInterface::OnLoad(IDispatch* application) noexcept {
  application_ = ComPtr<IDispatch>::borrow(application);
  return S_OK;
}

HRESULT CommunicationInterface::StartSession() noexcept {
  try {
    return startSession();
  } catch (...) {
    return S_OK;
  }
}

HRESULT CommunicationInterface::startSession() {
  commands_ = BuildCommandTable(application_.get());
  try {
    const Dispatch& app = commands_->application;
    if (app.get(member::VersionMajor).toInteger() < 17) {
      while (!app.get(member::Ready).toBoolean()) {
        const int answer = ShowMessage(HostMainWindow(app), L"Corel is not initialised yet", L"Warning",
                                       MB_RETRYCANCEL | MB_ICONWARNING);
        if (answer != IDRETRY) return E_FAIL;
      }
    }
    if (IsToolbarInstalled(*commands_))
      RefreshToolbar(*commands_);
    else
      InstallToolbar(*commands_);
    const long cookie = app.call(member::AdviseEvents, {Variant::object(static_cast<IDispatch*>(this))}).toInteger();
    eventCookie_ = cookie;
  } catch (const HostError&) {
    // A host error ends the start silently; without a subscription the plug-in stays passive.
  }
  return S_OK;
}

HRESULT CommunicationInterface::StopSession() noexcept {
  try {
    stopSession();
  } catch (const HostError& error) {
    try {
      ShowMessage(nullptr, error.description(), L"Error", MB_OK | MB_ICONERROR);
    } catch (...) {
    }
  } catch (...) {
  }
  return S_OK;
}

void CommunicationInterface::stopSession() {
  if (!application_) return;
  const Dispatch app = Dispatch::borrow(application_.get(), L"application");
  app.call(member::UnadviseEvents, {Variant::integer(eventCookie_)});
  if (!commands_) return;
  for (const CommandEntry& entry : commands_->commands)
    app.call(member::RemovePluginCommand, {Variant::text(entry.identifier)});
}

HRESULT CommunicationInterface::OnUnload() noexcept {
  if (application_) {
    commands_.reset();
    application_.reset();
  }
  return S_OK;
}

}  // namespace orvan::corel
