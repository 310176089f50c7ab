// ADM over Win32: DialogBoxParam on the plug-in's module, items reached by their identifiers, the
// plug-in's notify procedures called from the dialog procedure.
#include "adm.h"

#include <windows.h>

#include <map>
#include <memory>

#include "host.h"

namespace orvan::aihost {
namespace {

struct AdmDialog;

struct AdmItem {
  AdmDialog* dialog = nullptr;
  int id = 0;
  ADMItemNotifyProc notify = nullptr;
};

struct AdmDialog {
  HWND window = nullptr;
  ADMDialogInitProc init = nullptr;
  void* userData = nullptr;
  std::map<int, std::unique_ptr<AdmItem>> items;
};

AdmDialog* DialogOf(ADMDialogRef ref) { return reinterpret_cast<AdmDialog*>(ref); }
AdmItem* ItemOf(ADMItemRef ref) { return reinterpret_cast<AdmItem*>(ref); }

HMODULE PluginModule() { return static_cast<HMODULE>(gHost->pluginModule); }

// ---- ADM Basic Suite
AIErr AI_CALL GetIndexString(SPPluginRef, std::int32_t listId, std::int32_t index, char* text, std::int32_t size) {
  if (text && size > 0) text[0] = '\0';
  ORVAN_INJECT(kADMBasicSuite, "GetIndexString");
  if (!text || size <= 0) return kBadParameterErr;
  // A string that is not in the table reads as the empty text.
  LoadStringA(PluginModule(), static_cast<UINT>(listId + index), text, size);
  return kNoErr;
}

AIErr AI_CALL ErrorAlert(const char* text) {
  ORVAN_INJECT(kADMBasicSuite, "ErrorAlert");
  MessageBoxA(nullptr, text ? text : "", "Adobe Illustrator", MB_OK | MB_ICONERROR);
  return kNoErr;
}

const ADMBasicSuite kBasic = {GetIndexString, ErrorAlert};

// ---- ADM Dialog Suite
INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  try {
    auto* dialog = reinterpret_cast<AdmDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    switch (message) {
      case WM_INITDIALOG:
        dialog = reinterpret_cast<AdmDialog*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        dialog->window = window;
        if (dialog->init) dialog->init(reinterpret_cast<ADMDialogRef>(dialog));
        return TRUE;
      case WM_COMMAND: {
        if (!dialog) return FALSE;
        const int id = LOWORD(wParam);
        auto it = dialog->items.find(id);
        if (it != dialog->items.end() && it->second->notify) {
          it->second->notify(reinterpret_cast<ADMItemRef>(it->second.get()), reinterpret_cast<ADMNotifierRef>(dialog));
        } else if (id == IDOK || id == IDCANCEL) {
          EndDialog(window, id);
        }
        return TRUE;
      }
      case WM_CLOSE:
        EndDialog(window, IDCANCEL);
        return TRUE;
      default:
        return FALSE;
    }
  } catch (...) {
    EndDialog(window, IDCANCEL);
    return TRUE;
  }
}

std::int32_t AI_CALL Modal(SPPluginRef, const char*, std::int32_t dialogId, std::int32_t, ADMDialogInitProc init,
                           void* userData, std::int32_t) {
  const Injection injected = gHost->failures.check(kADMDialogSuite, "Modal");
  if (injected.active) return -1;
  AdmDialog dialog;
  dialog.init = init;
  dialog.userData = userData;
  const INT_PTR result = DialogBoxParamA(PluginModule(), MAKEINTRESOURCEA(dialogId), nullptr, DialogProc,
                                         reinterpret_cast<LPARAM>(&dialog));
  if (result == -1) gHost->problems.push_back("dialog resource " + std::to_string(dialogId) + " could not be opened");
  return static_cast<std::int32_t>(result);
}

ADMItemRef AI_CALL GetItem(ADMDialogRef ref, std::int32_t itemId) {
  AdmDialog* dialog = DialogOf(ref);
  if (!dialog || !GetDlgItem(dialog->window, itemId)) return nullptr;
  auto& item = dialog->items[itemId];
  if (!item) item = std::make_unique<AdmItem>(AdmItem{dialog, itemId, nullptr});
  return reinterpret_cast<ADMItemRef>(item.get());
}

void* AI_CALL GetUserData(ADMDialogRef ref) { return DialogOf(ref) ? DialogOf(ref)->userData : nullptr; }

void AI_CALL EndModal(ADMDialogRef ref, std::int32_t result, AIBoolean) {
  if (AdmDialog* dialog = DialogOf(ref)) EndDialog(dialog->window, result);
}

const ADMDialogSuite kDialog = {Modal, GetItem, GetUserData, EndModal};

// ---- ADM Item Suite
void AI_CALL SetText(ADMItemRef ref, const char* text) {
  if (AdmItem* item = ItemOf(ref)) SetDlgItemTextA(item->dialog->window, item->id, text ? text : "");
}

void AI_CALL SetNotifyProc(ADMItemRef ref, ADMItemNotifyProc proc) {
  if (AdmItem* item = ItemOf(ref)) item->notify = proc;
}

void AI_CALL DefaultNotify(ADMItemRef ref, ADMNotifierRef) {
  AdmItem* item = ItemOf(ref);
  if (item && (item->id == IDOK || item->id == IDCANCEL)) EndDialog(item->dialog->window, item->id);
}

const ADMItemSuite kItem = {SetText, SetNotifyProc, DefaultNotify};

}  // namespace

const ADMBasicSuite* AdmBasicSuite() { return &kBasic; }
const ADMDialogSuite* AdmDialogSuite() { return &kDialog; }
const ADMItemSuite* AdmItemSuite() { return &kItem; }

}  // namespace orvan::aihost
