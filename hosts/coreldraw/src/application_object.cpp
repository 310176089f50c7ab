// The application object: version, ready flag, windows, active document, plug-in commands,
// event subscriptions, templates and palettes.
#include "artwork_json.h"
#include "automation_object.h"
#include "host_files.h"
#include "objects.h"

namespace orvan::corelsim {

namespace {

class WindowObject final : public AutomationObject<IWindow> {
public:
  explicit WindowObject(HWND window) : AutomationObject("Window"), window_(window) {}
  HRESULT STDMETHODCALLTYPE get_Handle(LONG* handle) override {
    if (!handle) return E_POINTER;
    // Window handles carry 32 significant bits, also in 64-bit processes.
    *handle = LONG(reinterpret_cast<LONG_PTR>(window_));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_Caption(BSTR* caption) override {
    if (!caption) return E_POINTER;
    *caption = SysAllocString(L"CorelDRAW (simulated)");
    return S_OK;
  }

private:
  HWND window_;
};

class PaletteObject final : public AutomationObject<IPalette> {
public:
  explicit PaletteObject(std::string name) : AutomationObject("Palette"), name_(std::move(name)) {}
  HRESULT STDMETHODCALLTYPE get_Name(BSTR* name) override {
    if (!name) return E_POINTER;
    *name = SysAllocString(Wide(name_).c_str());
    return S_OK;
  }

private:
  std::string name_;
};

class PalettesObject final : public AutomationObject<IPalettes> {
public:
  PalettesObject() : AutomationObject("Palettes") {}
  HRESULT STDMETHODCALLTYPE get_Count(LONG* count) override {
    if (!count) return E_POINTER;
    *count = long(TheHost().palettes.size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Open(BSTR file, IDispatch** palette) override {
    const std::string path = Narrow(file);
    std::string name, problem;
    if (!CheckPaletteFile(path, name, problem)) {
      TheHost().palettesRefused.push_back(path);
      return HostFailure(L"Cannot open the palette \"" + Wide(path) + L"\": " + Wide(problem));
    }
    TheHost().palettes.push_back(path);
    return Out(new PaletteObject(name), palette);
  }
};

class DocumentsObject final : public AutomationObject<IDocuments> {
public:
  DocumentsObject() : AutomationObject("Documents") {}
  HRESULT STDMETHODCALLTYPE get_Count(LONG* count) override {
    if (!count) return E_POINTER;
    *count = long(open().size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_Item(LONG index, IDispatch** document) override {
    const auto docs = open();
    if (index < 1 || size_t(index) > docs.size())
      return HostFailure(L"There is no document " + std::to_wstring(index) + L".", DISP_E_BADINDEX);
    return Out(NewDocumentObject(docs[size_t(index - 1)]), document);
  }

private:
  static std::vector<std::shared_ptr<Document>> open() {
    std::vector<std::shared_ptr<Document>> docs;
    for (const auto& d : TheHost().documents)
      if (!d->closed) docs.push_back(d);
    return docs;
  }
};

HRESULT OutOrNothing(IDispatch* object, IDispatch** out) {
  if (!out) { if (object) object->Release(); return E_POINTER; }
  *out = object;
  return S_OK;
}

class ApplicationObject final : public AutomationObject<IApplication> {
public:
  ApplicationObject() : AutomationObject("Application") {}
  HRESULT STDMETHODCALLTYPE get_VersionMajor(LONG* version) override {
    if (!version) return E_POINTER;
    *version = TheHost().version;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_Ready(VARIANT_BOOL* ready) override {
    if (!ready) return E_POINTER;
    Host& host = TheHost();
    *ready = host.readyReads++ < host.notReadyReads ? VARIANT_FALSE : VARIANT_TRUE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_AppWindow(IDispatch** window) override {
    return Out(new WindowObject(TheHost().mainWindow), window);
  }
  HRESULT STDMETHODCALLTYPE get_ActiveWindow(IDispatch** window) override {
    return OutOrNothing(document() ? new WindowObject(TheHost().mainWindow) : nullptr, window);
  }
  HRESULT STDMETHODCALLTYPE get_ActiveDocument(IDispatch** out) override {
    auto doc = document();
    return OutOrNothing(doc ? NewDocumentObject(doc) : nullptr, out);
  }
  HRESULT STDMETHODCALLTYPE get_ActivePage(IDispatch** out) override {
    auto doc = document();
    return OutOrNothing(doc ? NewPageObject(doc, doc->pages.at(size_t(doc->activePage))) : nullptr, out);
  }
  HRESULT STDMETHODCALLTYPE get_ActiveLayer(IDispatch** out) override {
    auto doc = document();
    auto layer = doc ? doc->activeLayer.lock() : nullptr;
    return OutOrNothing(layer ? NewLayerObject(doc, layer) : nullptr, out);
  }
  HRESULT STDMETHODCALLTYPE get_ActiveSelection(IDispatch** out) override {
    auto doc = document();
    if (!doc) return HostFailure(L"There is no active document.");
    return Out(NewSelectionObject(doc), out);
  }
  HRESULT STDMETHODCALLTYPE get_Documents(IDispatch** out) override { return Out(new DocumentsObject(), out); }
  HRESULT STDMETHODCALLTYPE get_CommandBars(IDispatch** out) override { return Out(NewCommandBarsObject(), out); }
  HRESULT STDMETHODCALLTYPE get_FrameWork(IDispatch** out) override { return Out(NewFrameWorkObject(), out); }
  HRESULT STDMETHODCALLTYPE get_Palettes(IDispatch** out) override { return Out(new PalettesObject(), out); }

  HRESULT STDMETHODCALLTYPE AddPluginCommand(BSTR id, BSTR caption, BSTR tooltip, VARIANT_BOOL* added) override {
    Host& host = TheHost();
    PluginCommand command{Narrow(id), Narrow(caption), Narrow(tooltip)};
    host.commandLog.push_back("add " + command.id);
    bool replaced = false;
    for (auto& c : host.commands)
      if (c.id == command.id) { c = command; replaced = true; }
    if (!replaced) host.commands.push_back(command);
    if (added) *added = VARIANT_TRUE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE RemovePluginCommand(BSTR id, VARIANT_BOOL* removed) override {
    Host& host = TheHost();
    const std::string name = Narrow(id);
    host.commandLog.push_back("remove " + name);
    bool found = false;
    for (auto it = host.commands.begin(); it != host.commands.end(); ++it)
      if (it->id == name) { host.commands.erase(it); found = true; break; }
    if (removed) *removed = found ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE AdviseEvents(IDispatch* sink, LONG* cookie) override {
    if (!sink) return HostFailure(L"AdviseEvents needs a sink.", E_INVALIDARG);
    if (!cookie) return E_POINTER;
    Host& host = TheHost();
    sink->AddRef();
    host.sinks.push_back({host.nextCookie, sink});
    host.advised.push_back(host.nextCookie);
    *cookie = host.nextCookie++;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE UnadviseEvents(LONG cookie) override {
    Host& host = TheHost();
    host.unadvised.push_back(cookie);
    for (auto it = host.sinks.begin(); it != host.sinks.end(); ++it)
      if (it->cookie == cookie) {
        IDispatch* sink = it->sink;
        host.sinks.erase(it);
        sink->Release();
        break;
      }
    // An unknown cookie (0 after a cancelled start) unsubscribes nothing, without complaint.
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE CreateDocumentFromTemplate(BSTR file, VARIANT_BOOL includeGraphics, IDispatch** out) override {
    const std::string path = Narrow(file);
    std::string problem;
    auto doc = LoadTemplate(path, includeGraphics != VARIANT_FALSE, problem);
    if (!doc) return HostFailure(L"Cannot create a document from the template \"" + Wide(path) + L"\": " + Wide(problem));
    TheHost().templates.push_back(path);
    return Out(NewDocumentObject(doc), out);
  }

private:
  static std::shared_ptr<Document> document() {
    auto doc = TheHost().activeDocument;
    return doc && !doc->closed ? doc : nullptr;
  }
};

}  // namespace

IDispatch* NewApplication() { return new ApplicationObject(); }

}  // namespace orvan::corelsim
