// Windows' own loader (LoadImage) takes the built icons and bitmaps at the sizes the toolbar, the main window and
// the About dialog ask for.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "wine_paths.h"

namespace {

struct Picture {
  const char* file;
  UINT type;
  int width, height;
};

void PrintTo(const Picture& p, std::ostream* out) { *out << p.file << " at " << p.width << " x " << p.height; }

class WindowsPicture : public ::testing::TestWithParam<Picture> {};

TEST_P(WindowsPicture, LoadsAtItsSize) {
  const Picture& p = GetParam();
  const std::string path = orvan::test::envPath("ORVAN_DATA_DIR") + "\\" + p.file;
  HANDLE image = LoadImageA(nullptr, path.c_str(), p.type, p.width, p.height,
                            LR_LOADFROMFILE | (p.type == IMAGE_BITMAP ? LR_CREATEDIBSECTION : 0));
  ASSERT_NE(image, nullptr) << "Windows cannot load " << path << " (error " << GetLastError() << ")";
  BITMAP bitmap{};
  if (p.type == IMAGE_ICON) {
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(static_cast<HICON>(image), &info));
    GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(static_cast<HICON>(image));
  } else {
    GetObjectA(image, sizeof bitmap, &bitmap);
    DeleteObject(image);
  }
  EXPECT_EQ(bitmap.bmWidth, p.width);
  EXPECT_EQ(bitmap.bmHeight, p.height);
}

INSTANTIATE_TEST_SUITE_P(
    Data, WindowsPicture,
    ::testing::Values(Picture{"template_St.ico", IMAGE_ICON, 16, 16}, Picture{"cutrix_16.ico", IMAGE_ICON, 16, 16},
                      Picture{"cutout_16.ico", IMAGE_ICON, 16, 16}, Picture{"pdf_16.ico", IMAGE_ICON, 16, 16},
                      Picture{"benchmate.ico", IMAGE_ICON, 32, 32}, Picture{"benchmate.ico", IMAGE_ICON, 256, 256},
                      Picture{"plugin.ico", IMAGE_ICON, 32, 32}, Picture{"plugin.ico", IMAGE_ICON, 64, 64},
                      Picture{"palette.ico", IMAGE_ICON, 32, 32}, Picture{"about.ico", IMAGE_ICON, 16, 16},
                      Picture{"about.ico", IMAGE_ICON, 32, 32}, Picture{"about_logo.bmp", IMAGE_BITMAP, 309, 100},
                      Picture{"about_tile.bmp", IMAGE_BITMAP, 4, 4}),
    [](const ::testing::TestParamInfo<Picture>& info) {
      std::string name = info.param.file;
      for (char& c : name)
        if (!isalnum(static_cast<unsigned char>(c))) c = '_';
      return name + "_" + std::to_string(info.param.width);
    });

}  // namespace
