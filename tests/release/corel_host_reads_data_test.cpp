// The simulated CorelDRAW takes the built palettes (as its Palettes.Open reads them) and the toolbar icons.
#include <gtest/gtest.h>

#include <string>

#include "host_files.h"
#include "wine_paths.h"

namespace {

std::string dataFile(const char* name) { return orvan::test::envPath("ORVAN_DATA_DIR") + "\\" + name; }

TEST(SimulatedCorelDraw, OpensBothSeriesPalettesUnderTheirNames) {
  const std::pair<const char*, const char*> palettes[] = {{"Q_series.xml", "Q series"},
                                                          {"Q_series_CutContour.xml", "Q series CutContour"}};
  for (const auto& [file, title] : palettes) {
    std::string name, problem;
    EXPECT_TRUE(orvan::corelsim::CheckPaletteFile(dataFile(file), name, problem)) << file << ": " << problem;
    EXPECT_EQ(name, title) << file;
  }
}

TEST(SimulatedCorelDraw, TakesTheFourToolbarIcons) {
  for (const char* file : {"template_St.ico", "cutrix_16.ico", "cutout_16.ico", "pdf_16.ico"}) {
    std::string problem;
    EXPECT_TRUE(orvan::corelsim::CheckIconFile(dataFile(file), problem)) << file << ": " << problem;
  }
}

}  // namespace
