// The main window's controls, in the terms of its layout table.
#include "main_window_layout.h"

namespace orvan::installer {

using enum orvan::ui::ControlKind;
using orvan::ui::kDisabled;
using orvan::ui::kHelpCursor;
using orvan::ui::kHidden;
using orvan::ui::kLabelFont;
using orvan::ui::kSmallFont;

namespace {

// Plug-in boxes: columns at 15 and 184; palette boxes: columns at 13 and 175; rows 24 pixels apart from 32.
constexpr int kCxLeft = 15, kCxRight = 184, kPalLeft = 13, kPalRight = 175;
constexpr int Row(int n) { return 32 + 24 * (n - 1); }
constexpr int kBoxWidth = 160, kBoxHeight = 17;

const ControlRow kControls[] = {
    // name              kind      parent        x    y    w    h    caption
    {"tnMain",           Notebook, "",           0,   0, 397, 477, "", kSmallFont},
    {"bntFullInstall",   Button,   "",           0, 479, 397,  38, "&Full Installation"},
    {"tpInstall",        Page,     "tnMain",     0,   0,   0,   0, "Install"},
    {"tpCutrix",         Page,     "tnMain",     0,   0,   0,   0, "Cutrix Plug-in"},
    {"tpPalette",        Page,     "tnMain",     0,   0,   0,   0, "Palette"},
    {"tpReport",         Page,     "tnMain",     0,   0,   0,   0, "Installation Report"},

    // Page "Install"
    {"gbCx",             Group,    "tpInstall",  8,  16, 369,  65, "Cutrix Plug-in"},
    {"imgCx",            Picture,  "gbCx",       8,  25,  32,  32, "PLUGIN"},
    {"btnDetailCx",      Button,   "gbCx",     192,  32,  75,  25, "Details..."},
    {"btnInstallCx",     Button,   "gbCx",     280,  32,  75,  25, "Install"},
    {"gbPal",            Group,    "tpInstall",  7,  87, 369,  65, "Palette"},
    {"imgPal",           Picture,  "gbPal",      9,  25,  32,  32, "PALETTE"},
    {"btnDetailPal",     Button,   "gbPal",    192,  32,  75,  25, "Details..."},
    {"btnInstallPal",    Button,   "gbPal",    280,  32,  75,  25, "Install"},
    {"lblVBA",           Label,    "tpInstall",  9, 336, 292,  13,
     "Visual Basic for Applications is installed with your CorelDRAW!", kDisabled | kHelpCursor | kLabelFont},
    {"gbInfo",           Group,    "tpInstall",  8, 360, 368,  73, "Information ", kHidden},
    {"lblScribo",        Label,    "gbInfo",    24,  24, 200,  13, "Scribo is NOT installed!"},

    // Page "Cutrix Plug-in"
    {"gbCxAdobe",        Group,    "tpCutrix",   8,  16, 368, 213, "Adobe Illustrator"},
    {"cbCxAdobeCS",      Check,    "gbCxAdobe", kCxLeft,  Row(1), kBoxWidth, kBoxHeight, "Adobe Illustrator CS"},
    {"cbCxAdobeCS2",     Check,    "gbCxAdobe", kCxLeft,  Row(2), kBoxWidth, kBoxHeight, "Adobe Illustrator CS2"},
    {"cbCxAdobeCS3",     Check,    "gbCxAdobe", kCxLeft,  Row(3), kBoxWidth, kBoxHeight, "Adobe Illustrator CS3"},
    {"cbCxAdobeCS4",     Check,    "gbCxAdobe", kCxLeft,  Row(4), kBoxWidth, kBoxHeight, "Adobe Illustrator CS4"},
    {"cbCxAdobeCS5",     Check,    "gbCxAdobe", kCxLeft,  Row(5), kBoxWidth, kBoxHeight, "Adobe Illustrator CS5"},
    {"cbCxAdobeCS5_1",   Check,    "gbCxAdobe", kCxLeft,  Row(6), kBoxWidth, kBoxHeight, "Adobe Illustrator CS5.1"},
    {"cbCxAdobeCS6",     Check,    "gbCxAdobe", kCxLeft,  Row(7), kBoxWidth, kBoxHeight, "Adobe Illustrator CS6"},
    {"cbCxAdobeCC",      Check,    "gbCxAdobe", kCxRight, Row(1), kBoxWidth, kBoxHeight, "Adobe Illustrator CC"},
    {"gbCxCorel",        Group,    "tpCutrix",   8, 243, 368, 182, "CorelDRAW"},
    {"cbCxCorel13",      Check,    "gbCxCorel", kCxLeft,  Row(1), kBoxWidth, kBoxHeight, "CorelDRAW X3"},
    {"cbCxCorel14",      Check,    "gbCxCorel", kCxLeft,  Row(2), kBoxWidth, kBoxHeight, "CorelDRAW X4"},
    {"cbCxCorel15",      Check,    "gbCxCorel", kCxLeft,  Row(3), kBoxWidth, kBoxHeight, "CorelDRAW X5"},
    {"cbCxCorel16",      Check,    "gbCxCorel", kCxLeft,  Row(4), kBoxWidth, kBoxHeight, "CorelDRAW X6"},
    {"cbCxCorel17",      Check,    "gbCxCorel", kCxLeft,  Row(5), kBoxWidth, kBoxHeight, "CorelDRAW X7"},
    {"cbCxCorel18",      Check,    "gbCxCorel", kCxLeft,  Row(6), kBoxWidth, kBoxHeight, "CorelDRAW X8"},
    {"cbCxCorel2017",    Check,    "gbCxCorel", kCxRight, Row(1), kBoxWidth, kBoxHeight, "CorelDRAW 2017"},
    {"cbCxCorel2018",    Check,    "gbCxCorel", kCxRight, Row(2), kBoxWidth, kBoxHeight, "CorelDRAW 2018"},
    {"cbCxCorel2019",    Check,    "gbCxCorel", kCxRight, Row(3), kBoxWidth, kBoxHeight, "CorelDRAW 2019"},
    {"cbCxCorel2020",    Check,    "gbCxCorel", kCxRight, Row(4), kBoxWidth, kBoxHeight, "CorelDRAW 2020"},
    {"cbCxCorel2021",    Check,    "gbCxCorel", kCxRight, Row(5), kBoxWidth, kBoxHeight, "CorelDRAW 2021"},
    {"cbCxCorel2022",    Check,    "gbCxCorel", kCxRight, Row(6), kBoxWidth, kBoxHeight, "CorelDRAW 2022"},

    // Page "Palette"
    {"GroupBox1",        Group,    "tpPalette",  7,  17, 369, 163, "Adobe Illustrator"},
    {"cbPalAdobeCS2",    Check,    "GroupBox1", kPalLeft,  Row(1), kBoxWidth, kBoxHeight, "Adobe Illustrator CS2"},
    {"cbPalAdobeCS3",    Check,    "GroupBox1", kPalLeft,  Row(2), kBoxWidth, kBoxHeight, "Adobe Illustrator CS3"},
    {"cbPalAdobeCS4",    Check,    "GroupBox1", kPalLeft,  Row(3), kBoxWidth, kBoxHeight, "Adobe Illustrator CS4"},
    {"cbPalAdobeCS5",    Check,    "GroupBox1", kPalLeft,  Row(4), kBoxWidth, kBoxHeight, "Adobe Illustrator CS5"},
    {"cbPalAdobeCS5_1",  Check,    "GroupBox1", kPalLeft,  Row(5), kBoxWidth, kBoxHeight, "Adobe Illustrator CS5.1"},
    {"cbPalAdobeCS6",    Check,    "GroupBox1", kPalRight, Row(1), kBoxWidth, kBoxHeight, "Adobe Illustrator CS6"},
    {"cbPalAdobeCC",     Check,    "GroupBox1", kPalRight, Row(2), kBoxWidth, kBoxHeight, "Adobe Illustrator CC"},
    {"GroupBox2",        Group,    "tpPalette",  7, 186, 369, 192, "CorelDRAW"},
    {"cbPalCorel15",     Check,    "GroupBox2", kPalLeft,  Row(1), kBoxWidth, kBoxHeight, "CorelDRAW X5"},
    {"cbPalCorel16",     Check,    "GroupBox2", kPalLeft,  Row(2), kBoxWidth, kBoxHeight, "CorelDRAW X6"},
    {"cbPalCorel17",     Check,    "GroupBox2", kPalLeft,  Row(3), kBoxWidth, kBoxHeight, "CorelDRAW X7"},
    {"cbPalCorel18",     Check,    "GroupBox2", kPalLeft,  Row(4), kBoxWidth, kBoxHeight, "CorelDRAW X8"},
    {"cbPalCorel2017",   Check,    "GroupBox2", kPalRight, Row(1), kBoxWidth, kBoxHeight, "CorelDRAW 2017"},
    {"cbPalCorel2018",   Check,    "GroupBox2", kPalRight, Row(2), kBoxWidth, kBoxHeight, "CorelDRAW 2018"},
    {"cbPalCorel2019",   Check,    "GroupBox2", kPalRight, Row(3), kBoxWidth, kBoxHeight, "CorelDRAW 2019"},
    {"cbPalCorel2020",   Check,    "GroupBox2", kPalRight, Row(4), kBoxWidth, kBoxHeight, "CorelDRAW 2020"},
    {"cbPalCorel2021",   Check,    "GroupBox2", kPalRight, Row(5), kBoxWidth, kBoxHeight, "CorelDRAW 2021"},
    {"cbPalCorel2022",   Check,    "GroupBox2", kPalRight, Row(6), kBoxWidth, kBoxHeight, "CorelDRAW 2022"},

    // Page "Installation Report"
    {"mReport",          Memo,     "tpReport",   8,   8, 369, 430, ""},
};

const HostBoxes kIllustrator[] = {
    {"cbCxAdobeCS", nullptr, "11"},
    {"cbCxAdobeCS2", "cbPalAdobeCS2", "12"},
    {"cbCxAdobeCS3", "cbPalAdobeCS3", "13"},
    {"cbCxAdobeCS4", "cbPalAdobeCS4", "14"},
    {"cbCxAdobeCS5", "cbPalAdobeCS5", "15"},
    {"cbCxAdobeCS5_1", "cbPalAdobeCS5_1", "15.1"},
    {"cbCxAdobeCS6", "cbPalAdobeCS6", "16"},
};

const HostBoxes kCorel[] = {
    {"cbCxCorel13", nullptr, "13"},
    {"cbCxCorel14", nullptr, "14"},
    {"cbCxCorel15", "cbPalCorel15", "15"},
    {"cbCxCorel16", "cbPalCorel16", "16"},
    {"cbCxCorel17", "cbPalCorel17", "17"},
    {"cbCxCorel18", "cbPalCorel18", "18"},
    {"cbCxCorel2017", "cbPalCorel2017", "19"},
    {"cbCxCorel2018", "cbPalCorel2018", "20"},
    {"cbCxCorel2019", "cbPalCorel2019", "21"},
    {"cbCxCorel2020", "cbPalCorel2020", "22"},
    {"cbCxCorel2021", "cbPalCorel2021", "23"},
    {"cbCxCorel2022", "cbPalCorel2022", "24"},
};

}  // namespace

std::span<const ControlRow> MainWindowControls() { return kControls; }
std::span<const HostBoxes> IllustratorBoxes() { return kIllustrator; }
std::span<const HostBoxes> CorelBoxes() { return kCorel; }

}  // namespace orvan::installer
