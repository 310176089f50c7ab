// Finds the series palettes for the host's version and opens them: X5/X6 and 2018 on from where
// they lie, X7 to 2017 from copies in the user's own palette folder, X3/X4 not at all.
#include "series_palettes.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdio>

#include "home_folder.h"
#include "host_members.h"
#include "path_limit.h"
#include "platform/message_box.h"
#include "platform/registry_value.h"
#include "platform/special_folder.h"
#include "platform/text.h"

namespace orvan::corel {

namespace {

constexpr const char* kPaletteFiles[] = {"Q_series.xml", "Q_series_CutContour.xml"};
constexpr const wchar_t* kCannotFindPalette = L"Please install Orvan Cutbench. Can't find Q series palette";
constexpr const wchar_t* kHomeBroken = L"Orvan Cutbench is not correctly installed";
constexpr const wchar_t* kCorelBroken = L"CorelDRAW is not correctly installed";

// False after the message when the host cannot open the file.
bool OpenPalette(const Dispatch& app, const std::string& file) {
  try {
    app.object(member::Palettes).call(member::Open, {Variant::text(Widen(file))});
    return true;
  } catch (const HostError&) {
    ShowError(app, kCannotFindPalette);
    return false;
  }
}

std::string PaletteSettingsKey(const char* product, long version) {
  char key[kPathBuffer];
  std::snprintf(key, sizeof key, "SOFTWARE\\Corel\\%s\\%ld.0\\Draw\\Application Preferences\\Color Palettes", product,
                version);
  return key;
}

// Versions 17 to 19 open palettes only from the user's own palette folder.
void CopyAndOpen(const Dispatch& app, const std::string& home, long version) {
  QueryKey key = QueryKey::open(HKEY_CURRENT_USER, PaletteSettingsKey("CorelDRAW", version));
  if (!key) key = QueryKey::open(HKEY_CURRENT_USER, PaletteSettingsKey("Corel DESIGNER", version));
  if (!key) {
    ShowError(app, L"Please install CorelDRAW properly, to use Q series palettes");
    return;
  }
  const auto myPalettes = key.text("MyPalettes");
  if (!myPalettes) {
    ShowError(app, kCorelBroken);
    return;
  }
  const auto documents = SpecialFolder(CSIDL_PERSONAL);
  if (!documents) {
    ShowError(app, L"User directory not found");
    return;
  }
  for (const char* file : kPaletteFiles) {
    const std::string source = home + "\\Corel\\" + file;
    const std::string target = *documents + "\\" + *myPalettes + "\\" + file;
    if (!FitsPathBuffer(source.size())) return ShowError(app, kHomeBroken);
    if (!FitsPathBuffer(target.size())) return ShowError(app, kCorelBroken);
    if (!CopyFileReplacing(source, target)) return ShowError(app, L"Failed to copy Q series palette to My Palletes");
    if (!OpenPalette(app, target)) return;
  }
}

void OpenWhereTheyLie(const Dispatch& app, const std::string& home, long version) {
  std::string folder = home;
  if (version >= 20) {
    const auto shared = SpecialFolder(CSIDL_COMMON_APPDATA);
    // Without the shared data folder there is no place the palettes could lie.
    if (!shared) return ShowError(app, kCannotFindPalette);
    folder = *shared + "\\Orvan Palettes";
  }
  for (const char* file : kPaletteFiles) {
    const std::string path = folder + "\\Corel\\" + file;
    if (!FitsPathBuffer(path.size())) return ShowError(app, version >= 20 ? kCannotFindPalette : kHomeBroken);
    if (!OpenPalette(app, path)) return;
  }
}

}  // namespace

void InstallSeriesPalettes(CommandTable& table) {
  const Dispatch& app = table.application;
  const auto home = ReadHomeFolder(app, "HomeDir", L"Please install Orvan Cutbench to use Q series palettes", kHomeBroken);
  if (!home) return;
  const long version = app.get(member::VersionMajor).toInteger();
  if (version >= 17 && version <= 19)
    CopyAndOpen(app, *home, version);
  else if (version >= 15)
    OpenWhereTheyLie(app, *home, version);
}

}  // namespace orvan::corel
