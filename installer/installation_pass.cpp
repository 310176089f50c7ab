// The installation run: four sections in a fixed order, one routine call per ticked box, the report cleared
// first and shown. Boxes and pages are named as the main window names them.
#include "installation_pass.h"

#include <functional>
#include <vector>

#include "host_installation.h"

namespace {

using Routine = std::function<void(ReportMemo&)>;

struct Box {
  const char* name;
  Routine install;
};

struct Section {
  const char* header;
  std::vector<Box> boxes;
};

Routine Plugin(const char* version, const char* suffix = "") {
  return [=](ReportMemo& r) { InstallIllustratorPlugin(version, suffix, r); };
}
Routine Palettes(const char* version, const char* suffix = "") {
  return [=](ReportMemo& r) { InstallIllustratorPalettes(version, suffix, r); };
}
Routine CorelPlugin(const char* version) {
  return [=](ReportMemo& r) { InstallCorelPlugin(version, r); };
}
Routine CorelPalette(const char* version) {
  return [=](ReportMemo& r) { InstallCorelPalette(version, r); };
}

const Section& IllustratorPluginSection() {
  static const Section section{"Installing Cutrix Plug-in for Adobe Illustrator...",
                               {{"cbCxAdobeCS", Plugin("11")},
                                {"cbCxAdobeCS2", Plugin("12")},
                                {"cbCxAdobeCS3", Plugin("13")},
                                {"cbCxAdobeCS4", Plugin("14")},
                                {"cbCxAdobeCS5", Plugin("15")},
                                {"cbCxAdobeCS5_1", Plugin("15", ".1")},
                                {"cbCxAdobeCS6", Plugin("16")},
                                {"cbCxAdobeCC", InstallIllustratorCCPlugins}}};
  return section;
}

const Section& CorelPluginSection() {
  static const Section section{"Installing Cutrix Plug-in for CorelDRAW...",
                               {{"cbCxCorel13", CorelPlugin("13")},
                                {"cbCxCorel14", CorelPlugin("14")},
                                {"cbCxCorel15", CorelPlugin("15")},
                                {"cbCxCorel16", CorelPlugin("16")},
                                {"cbCxCorel17", CorelPlugin("17")},
                                {"cbCxCorel18", CorelPlugin("18")},
                                {"cbCxCorel2017", CorelPlugin("19")},
                                {"cbCxCorel2018", CorelPlugin("20")},
                                {"cbCxCorel2019", CorelPlugin("21")},
                                {"cbCxCorel2020", CorelPlugin("22")},
                                {"cbCxCorel2021", CorelPlugin("23")},
                                {"cbCxCorel2022", CorelPlugin("24")}}};
  return section;
}

const Section& IllustratorPaletteSection() {
  static const Section section{"Installing Palette for Adobe Illustrator...",
                               {{"cbPalAdobeCS2", Palettes("12")},
                                {"cbPalAdobeCS3", Palettes("13")},
                                {"cbPalAdobeCS4", Palettes("14")},
                                {"cbPalAdobeCS5", Palettes("15")},
                                {"cbPalAdobeCS5_1", Palettes("15", ".1")},
                                {"cbPalAdobeCS6", Palettes("16")},
                                {"cbPalAdobeCC", InstallIllustratorCCPalettes}}};
  return section;
}

const Section& CorelPaletteSection() {
  static const Section section{"Installing Palette for CorelDRAW...",
                               {{"cbPalCorel15", CorelPalette("15")},
                                {"cbPalCorel16", CorelPalette("16")},
                                {"cbPalCorel17", CorelPalette("17")},
                                {"cbPalCorel18", CorelPalette("18")},
                                {"cbPalCorel2017", CorelPalette("19")},
                                {"cbPalCorel2018", CorelPalette("20")},
                                {"cbPalCorel2019", CorelPalette("21")},
                                {"cbPalCorel2020", CorelPalette("22")},
                                {"cbPalCorel2021", CorelPalette("23")},
                                {"cbPalCorel2022", CorelPalette("24")}}};
  return section;
}

void RunSection(InstallerForm& form, const Section& section) {
  bool anyTicked = false;
  for (const Box& box : section.boxes) anyTicked = anyTicked || form.IsTicked(box.name);
  if (!anyTicked) return;
  ReportMemo& report = form.Report();
  report.Append(section.header);
  for (const Box& box : section.boxes)
    if (form.IsTicked(box.name)) box.install(report);
  report.Append("");
}

void ClearShowAndInstall(InstallerForm& form, const std::string& senderName) {
  form.Report().Clear();
  form.ShowPage("Installation Report");
  btnInstallClick(form, senderName);
}

}  // namespace

void btnInstallClick(InstallerForm& form, const std::string& senderName) {
  if (senderName == "btnInstallCx" || senderName == "bntFullInstall") {
    RunSection(form, IllustratorPluginSection());
    RunSection(form, CorelPluginSection());
  }
  if (senderName == "btnInstallPal" || senderName == "bntFullInstall") {
    RunSection(form, IllustratorPaletteSection());
    RunSection(form, CorelPaletteSection());
  }
}

void btnPartialInstallClick(InstallerForm& form, const std::string& senderName) {
  ClearShowAndInstall(form, senderName);
}

void bntFullInstallClick(InstallerForm& form, const std::string& senderName) {
  ClearShowAndInstall(form, senderName);
}

void btnDetailClick(InstallerForm& form, const std::string& senderName) {
  if (senderName == "btnDetailCx") form.ShowPage("Cutrix Plug-in");
  else if (senderName == "btnDetailPal") form.ShowPage("Palette");
}
