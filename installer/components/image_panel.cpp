// Painting and properties of TImagePanel.
#include "image_panel.h"

#include <cstring>

namespace orvan::ui {

namespace {

LOGFONTA DefaultFont() {
  LOGFONTA font{};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  return font;
}

int HatchOf(BrushStyle style) {
  switch (style) {
    case BrushStyle::Horizontal: return HS_HORIZONTAL;
    case BrushStyle::Vertical: return HS_VERTICAL;
    case BrushStyle::FDiagonal: return HS_FDIAGONAL;
    case BrushStyle::BDiagonal: return HS_BDIAGONAL;
    case BrushStyle::Cross: return HS_CROSS;
    default: return HS_DIAGCROSS;
  }
}

}  // namespace

TImagePanel::TImagePanel(const std::string& name) : caption_(name), font_(DefaultFont()) {
  fontObject_.reset(CreateFontIndirectA(&font_));
}

void TImagePanel::CreateIn(HWND parent, int id) {
  RegisterWindowClass({.name = kClassName, .background = nullptr, .style = 0});
  // Children are clipped: a transparent child gets the face beneath it from PaintFaceBehind instead.
  CreateHandle({.className = kClassName,
                .caption = "",
                .style = WS_CHILD | WS_CLIPCHILDREN | (visible_ ? WS_VISIBLE : 0u),
                .exStyle = WS_EX_CONTROLPARENT,
                .x = left_,
                .y = top_,
                .width = width_,
                .height = height_,
                .parent = parent,
                .id = id});
}

void TImagePanel::Changed() {
  // The face is painted beneath the panel's children, so they are painted again on top of it.
  if (Handle()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void TImagePanel::SetCaption(const std::string& caption) { Assign(caption_, caption); }

void TImagePanel::SetTextAlign(TextAlign align) { Assign(textAlign_, align); }

void TImagePanel::SetAutoSize(bool autoSize) { Assign(autoSize_, autoSize); }

void TImagePanel::SetBackgroundColor(COLORREF color) { Assign(backgroundColor_, color); }

void TImagePanel::SetBackgroundStyle(BrushStyle style) { Assign(backgroundStyle_, style); }

void TImagePanel::SetBorderColor(COLORREF color) { Assign(borderColor_, color); }

void TImagePanel::SetBorderWidth(int width) { Assign(borderWidth_, width < 0 ? 0 : width); }

void TImagePanel::SetImage(HBITMAP picture) {
  if (picture && picture == image_.get()) return;
  if (!picture && !image_) return;
  Bitmap copy;
  BITMAP info{};
  if (picture && GetObjectA(picture, sizeof info, &info)) {
    copy.reset(static_cast<HBITMAP>(CopyImage(picture, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  }
  image_ = std::move(copy);
  imageWidth_ = image_ ? info.bmWidth : 0;
  imageHeight_ = image_ ? info.bmHeight : 0;
  Changed();
}

void TImagePanel::SetFont(const LOGFONTA& font, COLORREF color) {
  if (std::memcmp(&font, &font_, sizeof font) == 0 && color == fontColor_) return;
  GdiObject<HFONT> made(CreateFontIndirectA(&font));
  if (!made) return;
  font_ = font;
  fontColor_ = color;
  fontObject_ = std::move(made);
  Changed();
}

void TImagePanel::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (Handle()) SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TImagePanel::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (Handle()) ShowWindow(Handle(), visible ? SW_SHOWNA : SW_HIDE);
}

bool TImagePanel::HasPicture() const {
  // A picture without width or height would never finish tiling; it is painted like no picture.
  return image_ && imageWidth_ > 0 && imageHeight_ > 0;
}

void TImagePanel::ApplyAutoSize() {
  if (autoSize_ && HasPicture()) SetBounds(left_, top_, imageWidth_, imageHeight_);
}

void TImagePanel::Paint(HDC dc) {
  PaintImage(dc);
  SetBkMode(dc, TRANSPARENT);
  PaintCaption(dc);
}

void TImagePanel::PaintImage(HDC dc) {
  if (!HasPicture()) {
    PaintDefault(dc);
    return;
  }
  ApplyAutoSize();
  FillBackground(dc);
  MemoryDC source(dc);
  if (source) {
    Selection picture(source.get(), image_.get());
    for (int x = 0; x < width_; x += imageWidth_)
      for (int y = 0; y < height_; y += imageHeight_)
        BitBlt(dc, x, y, imageWidth_, imageHeight_, source.get(), 0, 0, SRCCOPY);
  }
  DrawBorder(dc);
}

void TImagePanel::PaintDefault(HDC dc) {
  FillBackground(dc);
  DrawBorder(dc);
}

void TImagePanel::FillBackground(HDC dc) {
  if (backgroundStyle_ == BrushStyle::Clear) return;
  Brush brush(backgroundStyle_ == BrushStyle::Solid ? CreateSolidBrush(backgroundColor_)
                                                     : CreateHatchBrush(HatchOf(backgroundStyle_), backgroundColor_));
  RECT all{0, 0, width_, height_};
  if (brush) FillRect(dc, &all, brush.get());
}

void TImagePanel::DrawBorder(HDC dc) {
  if (borderWidth_ <= 0) return;
  Pen pen(CreatePen(PS_SOLID, borderWidth_, borderColor_));
  if (!pen) return;
  Selection usePen(dc, pen.get());
  Selection noFill(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, 0, 0, width_, height_);
}

void TImagePanel::PaintCaption(HDC dc) {
  if (caption_.empty()) return;
  Selection useFont(dc, fontObject_.get());
  SIZE text{};
  GetTextExtentPoint32A(dc, caption_.c_str(), static_cast<int>(caption_.size()), &text);
  int x;
  switch (textAlign_) {
    case TextAlign::Left: x = 10; break;
    case TextAlign::Right: x = width_ - text.cx - 10; break;
    default: x = width_ / 2 - text.cx / 2; break;
  }
  int y = height_ / 2 - text.cy / 2 - 1;
  SetTextColor(dc, fontColor_);
  TextOutA(dc, x, y, caption_.c_str(), static_cast<int>(caption_.size()));
}

void TImagePanel::PaintFaceBehind(HWND child, HDC childDC) {
  RECT at{};
  GetWindowRect(child, &at);
  MapWindowPoints(HWND_DESKTOP, Handle(), reinterpret_cast<POINT*>(&at), 2);
  POINT oldOrigin{};
  SetViewportOrgEx(childDC, -at.left, -at.top, &oldOrigin);
  int oldMode = GetBkMode(childDC);
  COLORREF oldColour = GetTextColor(childDC);
  Paint(childDC);
  SetTextColor(childDC, oldColour);
  SetBkMode(childDC, oldMode);
  SetViewportOrgEx(childDC, oldOrigin.x, oldOrigin.y, nullptr);
}

void TImagePanel::PaintBuffered(HDC target) {
  ApplyAutoSize();
  // The face is painted off screen and copied in one step, so tiling never flickers.
  MemoryDC buffer(target);
  Bitmap surface(CreateCompatibleBitmap(target, width_ > 0 ? width_ : 1, height_ > 0 ? height_ : 1));
  if (!buffer || !surface) {
    Paint(target);
    return;
  }
  {
    Selection select(buffer.get(), surface.get());
    Paint(buffer.get());
    BitBlt(target, 0, 0, width_, height_, buffer.get(), 0, 0, SRCCOPY);
  }
}

LRESULT TImagePanel::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PaintScope paint(Handle());
      PaintBuffered(paint.get());
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_SIZE:
      width_ = LOWORD(lParam);
      height_ = HIWORD(lParam);
      InvalidateRect(Handle(), nullptr, FALSE);
      return 0;
    case WM_MOVE:
      left_ = static_cast<short>(LOWORD(lParam));
      top_ = static_cast<short>(HIWORD(lParam));
      return 0;
    case WM_CTLCOLORSTATIC: {
      // A form that answers with the hollow brush wants the child transparent: it shows the face.
      LRESULT brush = ForwardToForm(Handle(), message, wParam, lParam);
      if (brush == reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)))
        PaintFaceBehind(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
      return brush;
    }
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item->CtlType == ODT_STATIC) PaintFaceBehind(item->hwndItem, item->hDC);
      return ForwardToForm(Handle(), message, wParam, lParam);
    }
    default:
      if (ForwardsToForm(message)) return ForwardToForm(Handle(), message, wParam, lParam);
      return Window::WndProc(message, wParam, lParam);
  }
}

}  // namespace orvan::ui
