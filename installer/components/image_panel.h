// TImagePanel: a container panel that paints its own face: a background fill, a picture repeated as
// tiles over the whole panel, an optional border and one line of caption text.
#pragma once
#include <windows.h>

#include <string>

#include "gdi_objects.h"
#include "window.h"

namespace orvan::ui {

enum class TextAlign { Left = 0, Right = 1, Center = 2 };

// Brush styles of the background: solid, clear (no fill) and the hatch patterns.
enum class BrushStyle { Solid, Clear, Horizontal, Vertical, FDiagonal, BDiagonal, Cross, DiagCross };

class TImagePanel : public Window {
public:
  static constexpr const char* kClassName = "TImagePanel";

  // The caption starts as the panel's name; the panel starts 200 x 200 at (0, 0).
  explicit TImagePanel(const std::string& name = "");

  // Makes the panel's window as a child of parent with the current bounds.
  void CreateIn(HWND parent, int id = 0);

  const std::string& Caption() const { return caption_; }
  TextAlign GetTextAlign() const { return textAlign_; }
  bool AutoSize() const { return autoSize_; }
  COLORREF BackgroundColor() const { return backgroundColor_; }
  BrushStyle BackgroundStyle() const { return backgroundStyle_; }
  COLORREF BorderColor() const { return borderColor_; }
  int BorderWidth() const { return borderWidth_; }
  HBITMAP Image() const { return image_.get(); }
  const LOGFONTA& Font() const { return font_; }
  COLORREF FontColor() const { return fontColor_; }
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Each setter stores the value and asks for a repaint, both only when the value changes.
  void SetCaption(const std::string& caption);
  void SetTextAlign(TextAlign align);
  void SetAutoSize(bool autoSize);
  void SetBackgroundColor(COLORREF color);
  void SetBackgroundStyle(BrushStyle style);
  void SetBorderColor(COLORREF color);
  void SetBorderWidth(int width);
  // Copies the bitmap into the panel's own picture; null empties the picture.
  void SetImage(HBITMAP picture);
  void SetFont(const LOGFONTA& font, COLORREF color);
  void SetBounds(int left, int top, int width, int height);
  void SetVisible(bool visible);

  // Paints the whole face onto dc, whose origin is the panel's top-left corner.
  void Paint(HDC dc);
  // Paints the part of the face that lies beneath a child window into the child's device context, so that
  // a transparent child (a label, a picture) shows the panel through it.
  void PaintFaceBehind(HWND child, HDC childDC);

protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
  void PaintImage(HDC dc);
  void PaintDefault(HDC dc);
  void PaintCaption(HDC dc);
  void FillBackground(HDC dc);
  void DrawBorder(HDC dc);
  bool HasPicture() const;
  void ApplyAutoSize();
  void Changed();
  // Stores value and asks for a repaint, both only when it differs from the field.
  template <class T>
  void Assign(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed();
  }
  void PaintBuffered(HDC target);

  std::string caption_;
  TextAlign textAlign_ = TextAlign::Left;
  bool autoSize_ = false;
  COLORREF backgroundColor_ = RGB(255, 255, 255);
  BrushStyle backgroundStyle_ = BrushStyle::Solid;
  COLORREF borderColor_ = RGB(0, 0, 0);
  int borderWidth_ = 0;
  Bitmap image_;
  int imageWidth_ = 0;
  int imageHeight_ = 0;
  LOGFONTA font_{};
  COLORREF fontColor_ = RGB(0, 0, 0);
  GdiObject<HFONT> fontObject_;
  bool visible_ = true;
  int left_ = 0, top_ = 0, width_ = 200, height_ = 200;
};

}  // namespace orvan::ui
