// TImagePanel as it appears on screen: its face is rendered into a bitmap through WM_PRINTCLIENT and
// checked pixel by pixel; repaint requests are read from the window's update region.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "image_panel.h"

using namespace orvan::ui;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kBorder = RGB(200, 0, 0);

COLORREF TileColor(int x, int y) { return RGB(20 + 40 * x, 20 + 40 * y, 90); }

// A 4 x 4 picture whose every pixel has its own colour, so each tile's position is visible.
Bitmap MakeTile() {
  HDC screen = GetDC(nullptr);
  Bitmap tile(CreateCompatibleBitmap(screen, 4, 4));
  ReleaseDC(nullptr, screen);
  MemoryDC dc(nullptr);
  Selection select(dc.get(), tile.get());
  for (int x = 0; x < 4; ++x)
    for (int y = 0; y < 4; ++y) SetPixel(dc.get(), x, y, TileColor(x, y));
  return tile;
}

// A top-level window, shown, that holds the panel under test.
class Host {
public:
  Host() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "ImagePanelTestHost";
    RegisterClassA(&wc);
    hwnd_ = CreateWindowExA(0, "ImagePanelTestHost", "host", WS_POPUP | WS_VISIBLE, 0, 0, 600, 400, nullptr,
                            nullptr, wc.hInstance, nullptr);
  }
  ~Host() { DestroyWindow(hwnd_); }
  HWND get() const { return hwnd_; }

private:
  HWND hwnd_;
};

// What the panel paints, read back as 32-bit pixels.
class Rendering {
public:
  Rendering(HWND panel, int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    MemoryDC dc(nullptr);
    Bitmap surface(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    Selection select(dc.get(), surface.get());
    RECT all{0, 0, width, height};
    Brush grey(CreateSolidBrush(RGB(1, 2, 3)));  // a colour the panel never paints
    FillRect(dc.get(), &all, grey.get());
    SendMessageA(panel, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
    GdiFlush();
    auto* words = static_cast<const DWORD*>(bits);
    pixels_.assign(words, words + width * height);
  }
  COLORREF at(int x, int y) const {
    DWORD v = pixels_[static_cast<size_t>(y) * width_ + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
  }
  int count(COLORREF color) const {
    int n = 0;
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) n += at(x, y) == color;
    return n;
  }
  // Columns that hold any pixel other than the given background colour, as [first, last]; {-1, -1} if none.
  std::pair<int, int> inkColumns(COLORREF background) const {
    int first = -1, last = -1;
    for (int x = 0; x < width_; ++x)
      for (int y = 0; y < height_; ++y)
        if (at(x, y) != background) {
          if (first < 0) first = x;
          last = x;
          break;
        }
    return {first, last};
  }

private:
  int width_, height_;
  std::vector<DWORD> pixels_;
};

class ImagePanelTest : public ::testing::Test {
protected:
  std::unique_ptr<TImagePanel> MakePanel(int width, int height) {
    auto panel = std::make_unique<TImagePanel>();
    panel->SetBounds(0, 0, width, height);
    panel->CreateIn(host.get());
    return panel;
  }
  static void SetUpTestSuite() { host_ = new Host; }
  static void TearDownTestSuite() { delete host_; }
  // One host window for all tests: every top-level window costs seconds under Wine's X11 driver.
  static inline Host* host_ = nullptr;
  struct HostRef { HWND get() const { return host_->get(); } } host;
};

TEST_F(ImagePanelTest, StartsAsTheNamedWhiteSquareWithoutBorder) {
  TImagePanel panel("ImagePanel1");
  EXPECT_EQ(panel.Caption(), "ImagePanel1");
  EXPECT_EQ(panel.Width(), 200);
  EXPECT_EQ(panel.Height(), 200);
  EXPECT_EQ(panel.BackgroundColor(), kWhite);
  EXPECT_EQ(panel.BorderWidth(), 0);
  EXPECT_EQ(panel.GetTextAlign(), TextAlign::Left);
}

TEST_F(ImagePanelTest, TilesColumnByColumnAndCutsTheLastColumnAtTheEdge) {
  auto panel = MakePanel(341, 200);
  Bitmap tile = MakeTile();
  panel->SetImage(tile.get());
  Rendering face(panel->Handle(), 341, 200);
  for (int x = 0; x < 341; ++x)
    for (int y = 0; y < 200; ++y) ASSERT_EQ(face.at(x, y), TileColor(x % 4, y % 4)) << x << "," << y;
  // 86 columns of 50 tiles; the 86th column starts at x 340 and shows one pixel of each tile.
  EXPECT_EQ(face.count(TileColor(0, 0)), 86 * 50);
  EXPECT_EQ(face.count(TileColor(1, 0)), 85 * 50);
}

TEST_F(ImagePanelTest, KeepsItsOwnCopyOfThePicture) {
  auto panel = MakePanel(8, 8);
  {
    Bitmap tile = MakeTile();
    panel->SetImage(tile.get());
  }
  Rendering face(panel->Handle(), 8, 8);
  EXPECT_EQ(face.at(5, 6), TileColor(1, 2));
}

TEST_F(ImagePanelTest, WithoutPictureIsAPlainFillInTheBackgroundColour) {
  auto panel = MakePanel(50, 30);
  panel->SetBackgroundColor(RGB(10, 120, 200));
  Rendering face(panel->Handle(), 50, 30);
  EXPECT_EQ(face.count(RGB(10, 120, 200)), 50 * 30);
}

TEST_F(ImagePanelTest, APictureThatHoldsNoGraphicIsPaintedLikeNoPicture) {
  auto panel = MakePanel(50, 30);
  HDC screen = GetDC(nullptr);
  HBITMAP gone = CreateCompatibleBitmap(screen, 4, 4);
  ReleaseDC(nullptr, screen);
  DeleteObject(gone);
  panel->SetImage(gone);
  EXPECT_EQ(panel->Image(), nullptr);
  Rendering face(panel->Handle(), 50, 30);
  EXPECT_EQ(face.count(kWhite), 50 * 30);
}

TEST_F(ImagePanelTest, AutoSizeTakesThePictureSize) {
  auto panel = MakePanel(341, 200);
  Bitmap tile = MakeTile();
  panel->SetImage(tile.get());
  panel->SetAutoSize(true);
  Rendering face(panel->Handle(), 341, 200);
  RECT client{};
  GetClientRect(panel->Handle(), &client);
  EXPECT_EQ(client.right, 4);
  EXPECT_EQ(client.bottom, 4);
  EXPECT_EQ(panel->Width(), 4);
}

struct BorderCase {
  const char* name;
  int width;
  bool outlined;
};

class ImagePanelBorder : public ImagePanelTest, public ::testing::WithParamInterface<BorderCase> {};

TEST_P(ImagePanelBorder, OutlineFollowsBorderWidth) {
  const BorderCase& c = GetParam();
  auto panel = MakePanel(60, 40);
  panel->SetBorderColor(kBorder);
  panel->SetBorderWidth(c.width);
  Rendering face(panel->Handle(), 60, 40);
  COLORREF expected = c.outlined ? kBorder : kWhite;
  EXPECT_EQ(face.at(0, 20), expected) << "left edge";
  EXPECT_EQ(face.at(30, 0), expected) << "top edge";
  EXPECT_EQ(face.at(58, 20) == kBorder || face.at(59, 20) == kBorder, c.outlined) << "right edge";
  EXPECT_EQ(face.at(30, 38) == kBorder || face.at(30, 39) == kBorder, c.outlined) << "bottom edge";
  EXPECT_EQ(face.at(30, 20), kWhite) << "inside";
}

INSTANTIATE_TEST_SUITE_P(Widths, ImagePanelBorder,
                         ::testing::Values(BorderCase{"None", 0, false}, BorderCase{"OnePixel", 1, true},
                                           BorderCase{"TwoPixels", 2, true}),
                         [](const auto& info) { return std::string(info.param.name); });

struct AlignCase {
  const char* name;
  TextAlign align;
  std::function<int(int panelWidth, int textWidth)> x;  // where the caption's text box starts
};

class ImagePanelCaption : public ImagePanelTest, public ::testing::WithParamInterface<AlignCase> {
protected:
  static constexpr const char* kText = "MMMM";
  int TextWidth(const TImagePanel& panel) {
    MemoryDC dc(nullptr);
    Font font(CreateFontIndirectA(&panel.Font()));
    Selection select(dc.get(), font.get());
    SIZE size{};
    GetTextExtentPoint32A(dc.get(), kText, 4, &size);
    return size.cx;
  }
  int FirstInk(TImagePanel& panel, TextAlign align) {
    panel.SetTextAlign(align);
    return Rendering(panel.Handle(), 300, 40).inkColumns(kWhite).first;
  }
};

TEST_P(ImagePanelCaption, CaptionSitsWhereItsAlignmentPutsIt) {
  const AlignCase& c = GetParam();
  auto panel = MakePanel(300, 40);
  panel->SetCaption(kText);
  // The ink of a glyph starts a little inside its text box; that offset is the same in every position.
  int inkOffset = FirstInk(*panel, TextAlign::Left) - 10;
  ASSERT_GE(inkOffset, 0);
  ASSERT_LE(inkOffset, 3);
  EXPECT_EQ(FirstInk(*panel, c.align), c.x(300, TextWidth(*panel)) + inkOffset);
}

INSTANTIATE_TEST_SUITE_P(
    Alignments, ImagePanelCaption,
    ::testing::Values(AlignCase{"Left", TextAlign::Left, [](int, int) { return 10; }},
                      AlignCase{"RightEndsTenPixelsBeforeTheEdge", TextAlign::Right,
                                [](int w, int tw) { return w - tw - 10; }},
                      AlignCase{"Centre", TextAlign::Center, [](int w, int tw) { return w / 2 - tw / 2; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ImagePanelTest, AnEmptyCaptionDrawsNothing) {
  auto panel = MakePanel(120, 40);
  panel->SetCaption("");
  Rendering face(panel->Handle(), 120, 40);
  EXPECT_EQ(face.count(kWhite), 120 * 40);
}

struct SetterCase {
  const char* name;
  std::function<void(TImagePanel&)> sameValue;
  std::function<void(TImagePanel&)> newValue;
};

class ImagePanelRepaint : public ImagePanelTest, public ::testing::WithParamInterface<SetterCase> {
protected:
  bool RepaintPending(HWND window) { return GetUpdateRect(window, nullptr, FALSE) != FALSE; }
};

TEST_P(ImagePanelRepaint, OnlyAChangedValueAsksForARepaint) {
  auto panel = MakePanel(100, 50);
  ValidateRect(panel->Handle(), nullptr);
  ASSERT_FALSE(RepaintPending(panel->Handle()));
  GetParam().sameValue(*panel);
  EXPECT_FALSE(RepaintPending(panel->Handle()));
  GetParam().newValue(*panel);
  EXPECT_TRUE(RepaintPending(panel->Handle()));
}

INSTANTIATE_TEST_SUITE_P(
    Setters, ImagePanelRepaint,
    ::testing::Values(
        SetterCase{"BackgroundColor", [](TImagePanel& p) { p.SetBackgroundColor(kWhite); },
                   [](TImagePanel& p) { p.SetBackgroundColor(kBlack); }},
        SetterCase{"Caption", [](TImagePanel& p) { p.SetCaption(p.Caption()); },
                   [](TImagePanel& p) { p.SetCaption("About"); }},
        SetterCase{"TextAlign", [](TImagePanel& p) { p.SetTextAlign(TextAlign::Left); },
                   [](TImagePanel& p) { p.SetTextAlign(TextAlign::Right); }},
        SetterCase{"BorderColor", [](TImagePanel& p) { p.SetBorderColor(kBlack); },
                   [](TImagePanel& p) { p.SetBorderColor(kBorder); }},
        SetterCase{"BackgroundStyle", [](TImagePanel& p) { p.SetBackgroundStyle(BrushStyle::Solid); },
                   [](TImagePanel& p) { p.SetBackgroundStyle(BrushStyle::Cross); }},
        SetterCase{"Font", [](TImagePanel& p) { p.SetFont(p.Font(), p.FontColor()); },
                   [](TImagePanel& p) {
                     LOGFONTA bigger = p.Font();
                     bigger.lfHeight = -30;
                     p.SetFont(bigger, p.FontColor());
                   }},
        SetterCase{"Image", [](TImagePanel& p) { p.SetImage(p.Image()); },
                   [](TImagePanel& p) {
                     Bitmap tile = MakeTile();
                     p.SetImage(tile.get());
                   }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
