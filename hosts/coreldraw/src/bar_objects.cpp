// Command bars, their controls and the UI framework that reaches the same bars.
#include "automation_object.h"
#include "host_files.h"
#include "objects.h"

namespace orvan::corelsim {

namespace {

std::vector<std::shared_ptr<CommandBar>>& Bars() { return TheHost().bars; }

class ControlObject final : public AutomationObject<IControl> {
public:
  ControlObject(std::shared_ptr<CommandBar> bar, std::string id)
      : AutomationObject("Control"), bar_(std::move(bar)), id_(std::move(id)) {}
  HRESULT STDMETHODCALLTYPE get_ID(BSTR* id) override {
    if (!id) return E_POINTER;
    *id = SysAllocString(Wide(id_).c_str());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetIcon2(BSTR file) override { return setIcon(file, "SetIcon2"); }
  HRESULT STDMETHODCALLTYPE SetCustomIcon(BSTR file) override { return setIcon(file, "SetCustomIcon"); }

private:
  HRESULT setIcon(BSTR file, const char* how) {
    Control* control = find();
    if (!control) return HostFailure(L"The control has been removed.");
    const std::string path = Narrow(file);
    std::string problem;
    if (!CheckIconFile(path, problem)) return HostFailure(L"Cannot use the icon \"" + Wide(path) + L"\": " + Wide(problem));
    control->icon = path;
    control->iconCall = how;
    return S_OK;
  }
  Control* find() {
    if (bar_->deleted) return nullptr;
    for (auto& c : bar_->controls)
      if (c.id == id_) return &c;
    return nullptr;
  }
  std::shared_ptr<CommandBar> bar_;
  std::string id_;
};

class ControlsObject final : public AutomationObject<IControls> {
public:
  explicit ControlsObject(std::shared_ptr<CommandBar> bar) : AutomationObject("Controls"), bar_(std::move(bar)) {}
  HRESULT STDMETHODCALLTYPE get_Count(LONG* count) override {
    if (!count) return E_POINTER;
    *count = long(bar_->controls.size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_Item(LONG index, IDispatch** control) override {
    if (index < 1 || size_t(index) > bar_->controls.size())
      return HostFailure(L"The bar has no control at index " + std::to_wstring(index) + L".", DISP_E_BADINDEX);
    return Out(new ControlObject(bar_, bar_->controls[size_t(index - 1)].id), control);
  }
  HRESULT STDMETHODCALLTYPE AddCustomButton(BSTR category, BSTR id, LONG index, VARIANT_BOOL, IDispatch** control) override {
    if (bar_->deleted) return HostFailure(L"The command bar has been deleted.");
    if (index < 0 || size_t(index) > bar_->controls.size() + 1)
      return HostFailure(L"A button cannot be placed at index " + std::to_wstring(index) + L".", DISP_E_BADINDEX);
    Control c{Narrow(id), Narrow(category), "", ""};
    // Index 0 appends after the existing buttons.
    if (index == 0)
      bar_->controls.push_back(c);
    else
      bar_->controls.insert(bar_->controls.begin() + (index - 1), c);
    return Out(new ControlObject(bar_, c.id), control);
  }

private:
  std::shared_ptr<CommandBar> bar_;
};

class CommandBarObject final : public AutomationObject<ICommandBar> {
public:
  explicit CommandBarObject(std::shared_ptr<CommandBar> bar) : AutomationObject("CommandBar"), bar_(std::move(bar)) {}
  HRESULT STDMETHODCALLTYPE get_Name(BSTR* name) override {
    if (!name) return E_POINTER;
    *name = SysAllocString(Wide(bar_->name).c_str());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_Visible(VARIANT_BOOL* visible) override {
    if (!visible) return E_POINTER;
    *visible = bar_->visible ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_Visible(VARIANT_BOOL visible) override {
    if (bar_->deleted) return HostFailure(L"The command bar has been deleted.");
    bar_->visible = visible != VARIANT_FALSE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_Controls(IDispatch** controls) override { return Out(new ControlsObject(bar_), controls); }
  HRESULT STDMETHODCALLTYPE Delete() override {
    auto& bars = Bars();
    for (auto it = bars.begin(); it != bars.end(); ++it)
      if (*it == bar_) {
        bars.erase(it);
        bar_->deleted = true;
        return S_OK;
      }
    return HostFailure(L"The command bar has already been deleted.");
  }

private:
  std::shared_ptr<CommandBar> bar_;
};

class CommandBarsObject final : public AutomationObject<ICommandBars> {
public:
  CommandBarsObject() : AutomationObject("CommandBars") {}
  HRESULT STDMETHODCALLTYPE get_Count(LONG* count) override {
    if (!count) return E_POINTER;
    *count = long(Bars().size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_Item(VARIANT index, IDispatch** bar) override {
    VARIANT* v = &index;
    if (v->vt == (VT_BYREF | VT_VARIANT)) v = v->pvarVal;
    if (v->vt == VT_BSTR || v->vt == (VT_BYREF | VT_BSTR)) {
      const std::string name = Narrow(v->vt == VT_BSTR ? v->bstrVal : *v->pbstrVal);
      // A bar is found by its exact name; names differing in letter case are different bars.
      for (const auto& b : Bars())
        if (b->name == name) return Out(new CommandBarObject(b), bar);
      return HostFailure(L"There is no command bar named \"" + Wide(name) + L"\".", DISP_E_BADINDEX);
    }
    VARIANT number;
    VariantInit(&number);
    if (FAILED(VariantChangeType(&number, v, 0, VT_I4)))
      return HostFailure(L"A command bar is found by its number or its name.", DISP_E_TYPEMISMATCH);
    if (number.lVal < 1 || size_t(number.lVal) > Bars().size())
      return HostFailure(L"There is no command bar " + std::to_wstring(number.lVal) + L".", DISP_E_BADINDEX);
    return Out(new CommandBarObject(Bars()[size_t(number.lVal - 1)]), bar);
  }
  HRESULT STDMETHODCALLTYPE Add(BSTR name, LONG position, VARIANT_BOOL temporary, IDispatch** bar) override {
    auto b = std::make_shared<CommandBar>();
    b->name = Narrow(name);
    b->position = position;
    b->temporary = temporary != VARIANT_FALSE;
    Bars().push_back(b);
    return Out(new CommandBarObject(b), bar);
  }
};

class FrameWorkObject final : public AutomationObject<IFrameWork> {
public:
  FrameWorkObject() : AutomationObject("FrameWork") {}
  HRESULT STDMETHODCALLTYPE get_CommandBars(IDispatch** bars) override { return Out(new CommandBarsObject(), bars); }
};

}  // namespace

IDispatch* NewCommandBarsObject() { return new CommandBarsObject(); }
IDispatch* NewFrameWorkObject() { return new FrameWorkObject(); }

}  // namespace orvan::corelsim
