// Reads the home folder from HKEY_LOCAL_MACHINE, in the 64-bit view first, then where a
// 32-bit setup program writes it.
#include "home_folder.h"

#include "platform/message_box.h"
#include "platform/registry_value.h"

namespace orvan::corel {

namespace {

QueryKey OpenHomeKey() {
  if (auto key = QueryKey::open(HKEY_LOCAL_MACHINE, "SOFTWARE\\Orvan\\Cutbench")) return key;
  if (auto key = QueryKey::open(HKEY_LOCAL_MACHINE, "SOFTWARE\\Wow6432Node\\Orvan\\Cutbench")) return key;
  // The 32-bit edition, inside 32-bit CorelDRAW, also finds what a 64-bit setup program wrote.
  return QueryKey::open(HKEY_LOCAL_MACHINE, "SOFTWARE\\Orvan\\Cutbench", sizeof(void*) == 4 ? KEY_WOW64_64KEY : 0);
}

}  // namespace

std::optional<std::string> ReadHomeFolder(const Dispatch& application, const char* valueName,
                                          const wchar_t* missingKeyText, const wchar_t* unreadableValueText) {
  const QueryKey key = OpenHomeKey();
  if (!key) {
    ShowError(application, missingKeyText);
    return std::nullopt;
  }
  auto home = key.text(valueName);
  if (!home) ShowError(application, unreadableValueText);
  return home;
}

}  // namespace orvan::corel
