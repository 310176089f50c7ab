// Builds or refreshes the plug-in's command bar and removes the bars of older products.
#include "toolbar.h"

#include "host_members.h"
#include "icon_folder.h"
#include "platform/message_box.h"
#include "platform/module_path.h"

namespace orvan::corel {

namespace {

Dispatch ApplicationBars(const CommandTable& table) { return table.application.object(member::CommandBars); }
Dispatch FrameworkBars(const CommandTable& table) {
  return table.application.object(member::FrameWork).object(member::CommandBars);
}

Dispatch OurBar(const Dispatch& bars, const CommandTable& table) {
  return bars.object(member::Item, {Variant::text(table.toolbarName)});
}

std::wstring PluginIconFolder() {
  // The installer puts the icons beside the plug-in; when the host's path says nothing about
  // its plug-in folder, that folder is the plug-in module's own.
  if (auto folder = IconFolderFromHostPath(HostExecutablePath())) return *folder;
  return PluginModuleFolder();
}

void RegisterCommand(const CommandTable& table, const CommandEntry& entry) {
  table.application.call(member::AddPluginCommand,
                         {Variant::text(entry.identifier), Variant::text(entry.caption), Variant::text(entry.tooltip)});
}

void SetIcon(const Dispatch& button, const CommandEntry& entry, long version,
             const std::wstring& folder) {
  button.call(version < 18 ? member::SetIcon2 : member::SetCustomIcon, {Variant::text(folder + entry.iconFile)});
}

}  // namespace

bool IsToolbarInstalled(CommandTable& table) {
  const Dispatch bars = ApplicationBars(table);
  const long count = bars.get(member::Count).toInteger();
  for (long i = 1; i <= count; ++i)
    if (bars.object(member::Item, {Variant::integer(i)}).get(member::Name).toText() == table.toolbarName) return true;
  return false;
}

void InstallToolbar(CommandTable& table) {
  FrameworkBars(table).call(member::Add,
                            {Variant::text(table.toolbarName), Variant::integer(1), Variant::boolean(true)});
  const long version = table.application.get(member::VersionMajor).toInteger();
  const std::wstring folder = PluginIconFolder();
  for (const CommandEntry& entry : table.commands) {
    RegisterCommand(table, entry);
    const Dispatch button = OurBar(ApplicationBars(table), table)
                                .object(member::Controls)
                                .object(member::AddCustomButton, {Variant::text(kCommandCategory),
                                                                  Variant::text(entry.identifier), Variant::integer(0),
                                                                  Variant::boolean(false)});
    SetIcon(button, entry, version, folder);
  }
  OurBar(ApplicationBars(table), table).put(member::Visible, Variant::boolean(true));
}

void RefreshToolbar(CommandTable& table) {
  if (OurBar(FrameworkBars(table), table).object(member::Controls).get(member::Count).toInteger() == 4) {
    const long version = table.application.get(member::VersionMajor).toInteger();
    const std::wstring folder = PluginIconFolder();
    for (long i = 0; i < 4; ++i) {
      const CommandEntry& entry = table.commands[size_t(i)];
      RegisterCommand(table, entry);
      const Dispatch button =
          OurBar(ApplicationBars(table), table).object(member::Controls).object(member::Item, {Variant::integer(i + 1)});
      SetIcon(button, entry, version, folder);
    }
    return;
  }
  ShowMessage(nullptr, L"toolbar is being re\u00EFnstalled", L"Installation toolbar", MB_OK);
  OurBar(FrameworkBars(table), table).call(member::Delete);
  InstallToolbar(table);
}

void RemoveLegacyToolbars(CommandTable& table) {
  const Dispatch bars = ApplicationBars(table);
  for (long i = 1; i <= bars.get(member::Count).toInteger();) {
    const std::wstring name = bars.object(member::Item, {Variant::integer(i)}).get(member::Name).toText();
    if (name == L"Scribo" || name == L"Cutrix")
      bars.object(member::Item, {Variant::text(name)}).call(member::Delete);
    else
      ++i;
  }
}

}  // namespace orvan::corel
