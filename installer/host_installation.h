// The per-host installation routines: Illustrator plug-ins and swatch palettes, CorelDRAW plug-in files.
// They copy from the installer's program folder into the hosts' folders and speak only through report lines.
#pragma once
#include <string>

#include "report_memo.h"

// Illustrator CS to CS6 ("11" to "16"; CS5.1 is "15" with suffix ".1") and the detected CC versions.
void InstallIllustratorPlugin(const std::string& version, const std::string& suffix, ReportMemo& report);
void InstallIllustratorPlugin(const std::string& version, ReportMemo& report);
void InstallIllustratorCCPlugins(ReportMemo& report);

// The two flatbed swatch files "Q_series.ase" and "Q_series_CutContour.ase", one status line each.
void InstallIllustratorPalettes(const std::string& version, const std::string& suffix, ReportMemo& report);
void InstallIllustratorPalettes(const std::string& version, ReportMemo& report);
void InstallIllustratorCCPalettes(ReportMemo& report);
void InstallIllustratorPaletteFile(const std::string& version, const std::string& suffix, ReportMemo& report,
                                   const std::string& file);

// CorelDRAW "13" (X3) to "24" (2022): the toolbar plug-in (.cpg) and its icons into Draw\Plugins(64).
void InstallCorelPlugin(const std::string& version, ReportMemo& report);
// The palette page's CorelDRAW entry: checks the registration, then installs the plug-in that opens the palettes.
void InstallCorelPalette(const std::string& version, ReportMemo& report);
