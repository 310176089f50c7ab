// The About box and the error dialog of MarkwellCS1, built from its dialog and string resources.
#include "dialogs.h"

#include <cmath>
#include <cstring>
#include <string>

#include "resource_ids.h"
#include "suites_cs1.h"

namespace orvan::markwell::cs1 {
namespace {

constexpr int kEntrySize = 256;

void AI_CALL CloseOnOk(ADMItemRef item, ADMNotifierRef notifier) { sADMItem->DefaultNotify(item, notifier); }

AIErr AI_CALL InitAbout(ADMDialogRef dialog) noexcept {
  sADMItem->SetNotifyProc(sADMDialog->GetItem(dialog, 1), CloseOnOk);
  return kNoErr;
}

struct ErrorTexts {
  std::string sentence;
  std::string code;
};

AIErr AI_CALL InitError(ADMDialogRef dialog) noexcept {
  const auto* texts = static_cast<const ErrorTexts*>(sADMDialog->GetUserData(dialog));
  sADMItem->SetNotifyProc(sADMDialog->GetItem(dialog, 1), CloseOnOk);
  sADMItem->SetText(sADMDialog->GetItem(dialog, IDC_ERROR_MESSAGE), texts->sentence.c_str());
  sADMItem->SetText(sADMDialog->GetItem(dialog, IDC_ERROR_CODE), texts->code.c_str());
  return kNoErr;
}

bool ReadEntry(SPPluginRef self, int index, char (&entry)[kEntrySize]) {
  entry[0] = '\0';
  if (sADMBasic->GetIndexString(self, IDS_ERROR_LIST, index, entry, kEntrySize) != kNoErr) return false;
  entry[kEntrySize - 1] = '\0';
  return true;
}

// A code entry is a decimal number (read by the host, truncated, as a 16-bit value) or stands for
// a four-character code by its first four characters.
AIErr EntryCode(const char* entry) {
  if (entry[0] == '-' || (entry[0] >= '0' && entry[0] <= '9')) {
    float value = 0;
    if (!sAIUser || sAIUser->StringToReal(entry, &value) != kNoErr) return kNoErr;
    return static_cast<std::int16_t>(static_cast<std::int32_t>(std::trunc(value)));
  }
  std::uint32_t code = 0;
  for (int i = 0; i < 4; ++i) code = (code << 8) | static_cast<unsigned char>(entry[i] ? entry[i] : ' ');
  return static_cast<AIErr>(code);
}

// The index of the sentence for this code; without a match the last sentence of the list, the
// one for unknown errors. 0 when the list is unusable.
int SentenceIndex(SPPluginRef self, AIErr code) {
  char entry[kEntrySize];
  int n = 1;
  for (;; n += 2) {
    if (!ReadEntry(self, n, entry) || entry[0] == '\0') break;
    if (EntryCode(entry) == code) return n + 1;
  }
  return n - 1;
}

std::string CodeText(AIErr code) {
  const auto u = static_cast<std::uint32_t>(code);
  bool printable = code >= 0x10000;
  std::string chars;
  for (int shift = 24; shift >= 0 && printable; shift -= 8) {
    const unsigned char c = (u >> shift) & 0xFF;
    printable = c >= 0x20 && c < 0x7F;
    chars += static_cast<char>(c);
  }
  if (printable) return chars;
  // Negative codes and codes of unprintable bytes read best as the number they are.
  char number[64] = {};
  if (sAIUser && sAIUser->RealToString(static_cast<float>(code), 0, number, sizeof number) == kNoErr) return number;
  return std::to_string(code);
}

}  // namespace

AIErr ShowAboutBox(SPPluginRef self) {
  if (!sADMDialog || !sADMItem) return kNoErr;
  sADMDialog->Modal(self, "About Dialog", IDD_ABOUT, kADMModalDialogStyle, InitAbout, nullptr, 0);
  return kNoErr;
}

void ShowErrorDialog(SPPluginRef self, AIErr code) {
  if (code == kNoErr || code == kStopErr || !sADMBasic || !sADMDialog || !sADMItem) return;
  const int index = SentenceIndex(self, code);
  if (index < 2) return;
  char sentence[kEntrySize];
  if (!ReadEntry(self, index, sentence)) return;
  ErrorTexts texts{sentence, CodeText(code)};
  sADMDialog->Modal(self, "Error Dialog", IDD_ERROR, kADMModalDialogStyle, InitError, &texts, 0);
}

}  // namespace orvan::markwell::cs1
