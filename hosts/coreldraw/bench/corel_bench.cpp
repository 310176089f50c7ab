// Benchmark: the marks-with-squares command on a page of 10,000 shapes, against a bare loop that
// makes the same 10,000 selection calls through IDispatch in the same process; prints the ratio.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "automation_object.h"
#include "objects.h"
#include "plugin_interface.h"

using namespace orvan::corelsim;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kShapes = 10000;

void MakePage() {
  auto doc = TheHost().newDocument("Bench");
  doc->unit = 3;
  auto& layer = *doc->page().layers.front();
  for (int i = 0; i < kShapes; ++i) {
    auto s = std::make_shared<Shape>();
    s->id = TheHost().nextShapeId++;
    s->kind = "rectangle";
    s->x = (i % 100) * 3.0;
    s->y = (i / 100) * 3.0;
    s->w = s->h = 2;
    s->layer = &layer;
    layer.shapes.push_back(s);
  }
}

HRESULT Call(IDispatch* object, const wchar_t* member, WORD flags, VARIANT* args, UINT count, VARIANT* result) {
  DISPID id = 0;
  LPOLESTR names[] = {const_cast<LPOLESTR>(member)};
  HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) return hr;
  DISPPARAMS params{args, nullptr, count, 0};
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, nullptr, nullptr);
}

// The selection calls alone: Item(i) and AddToSelection for every shape of the page.
double BareLoop(IDispatch* application) {
  const auto start = Clock::now();
  VARIANT doc, page, shapes;
  VariantInit(&doc); VariantInit(&page); VariantInit(&shapes);
  Call(application, L"ActiveDocument", DISPATCH_PROPERTYGET, nullptr, 0, &doc);
  Call(doc.pdispVal, L"ActivePage", DISPATCH_PROPERTYGET, nullptr, 0, &page);
  Call(page.pdispVal, L"Shapes", DISPATCH_PROPERTYGET, nullptr, 0, &shapes);
  DISPID itemId = 0;
  LPOLESTR item[] = {const_cast<LPOLESTR>(L"Item")};
  shapes.pdispVal->GetIDsOfNames(IID_NULL, item, 1, LOCALE_USER_DEFAULT, &itemId);
  for (long i = 1; i <= kShapes; ++i) {
    VARIANT index, shape;
    VariantInit(&shape);
    index.vt = VT_I4;
    index.lVal = i;
    DISPPARAMS params{&index, nullptr, 1, 0};
    shapes.pdispVal->Invoke(itemId, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET | DISPATCH_METHOD, &params,
                            &shape, nullptr, nullptr);
    Call(shape.pdispVal, L"AddToSelection", DISPATCH_METHOD, nullptr, 0, nullptr);
    VariantClear(&shape);
  }
  VariantClear(&shapes); VariantClear(&page); VariantClear(&doc);
  return std::chrono::duration<double>(Clock::now() - start).count();
}

double MarksCommand(orvan::corel::IVGAppPlugin* plugin) {
  VARIANT id;
  id.vt = VT_BSTR;
  id.bstrVal = SysAllocString(L"SetCutrixMarkersAndSquares");
  DISPPARAMS params{&id, nullptr, 1, 0};
  const auto start = Clock::now();
  plugin->Invoke(orvan::corel::EventPluginCommand, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  SysFreeString(id.bstrVal);
  return seconds;
}

void ClearSelection() {
  auto& doc = *TheHost().activeDocument;
  doc.selection.clear();
  doc.selectedShapes.clear();
}

}  // namespace

int main() {
  OleInitialize(nullptr);
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring plugin = self;
  plugin = plugin.substr(0, plugin.find_last_of(L'\\') + 1) + L"Tablebar.cpg";
  HMODULE module = LoadLibraryW(plugin.c_str());
  auto attach = module ? reinterpret_cast<orvan::corel::AttachPluginFunction>(GetProcAddress(module, "AttachPlugin")) : nullptr;
  if (!attach) {
    std::printf("corel_bench: Tablebar.cpg not found beside the benchmark\n");
    return 1;
  }
  TheHost().mainWindow = nullptr;
  MakePage();
  IDispatch* application = NewApplication();
  orvan::corel::IVGAppPlugin* tablebar = nullptr;
  attach(&tablebar);
  tablebar->OnLoad(application);
  tablebar->StartSession();

  double bare = 1e9, marks = 1e9;
  for (int round = 0; round < 3; ++round) {
    ClearSelection();
    bare = std::min(bare, BareLoop(application));
    ClearSelection();
    marks = std::min(marks, MarksCommand(tablebar));
  }
  const size_t selected = TheHost().activeDocument->selected().size();
  std::printf("corel_bench: marks with squares on %d shapes: %.3f s; bare selection loop: %.3f s; ratio %.2f (selected %zu)\n",
              kShapes, marks, bare, marks / bare, selected);
  tablebar->StopSession();
  tablebar->OnUnload();
  tablebar->Release();
  application->Release();
  OleUninitialize();
  return 0;
}
