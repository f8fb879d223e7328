#pragma once
// The drawing device of the chart: a page of known pixel size on a QPainter
// (a window's backing image, a QImage, a PDF page, an SVG picture, a printer
// page), with what the chart's drawing surfaces expect of a device:
//
//  - a user coordinate scale: ScaleLeft / ScaleTop are the user x and y of the
//    left and top edges, ScaleWidth / ScaleHeight the user width and height
//    (a negative height makes y grow upwards); ScaleMode 3 is the pixel scale,
//    any other scale is a user scale (mode 0);
//  - a current point, moved by every line, point, circle and print;
//  - foreground, background and fill colours (OleColor, −1 or any negative
//    value: the foreground colour), a fill style (0 solid, 1 none) and a draw
//    width in pixels;
//  - a font (name, size in points at 96 pixels per inch, bold) and a font
//    transparency flag; TextWidth / TextHeight measure a text with that font
//    in user units (signed like the scale);
//  - a "selected" font: the font and the angle (degrees, counter-clockwise)
//    that printed text comes out at. It is a snapshot of the font properties
//    taken when it is selected, as a font handle selected into a drawing
//    context is;
//  - printing at the current point (the text's top-left corner in its own
//    rotated frame is the current point), and a filled polygon given in
//    device pixels.
//
// Pixels here are the page's logical pixels: the painter handed in maps them
// to the real device (scaled for a high-resolution image, a PDF or a printer),
// so a chart laid out for 1400 logical pixels looks the same at any resolution.

#include <QFont>
#include <QPoint>
#include <QString>

#include "chart/ChartData.h"

class QPainter;

namespace aeriton::chart {

constexpr int kScaleUser = 0;
constexpr int kScalePixels = 3;
constexpr int kFillSolid = 0;
constexpr int kFillTransparent = 1;
constexpr double kPixelsPerInch = 96.0;  // point sizes are turned into pixels at this density

class ChartDevice {
 public:
  // painter: active, drawing in logical pixels 0 … pixelWidth × 0 … pixelHeight.
  ChartDevice(QPainter* painter, int pixelWidth, int pixelHeight);
  virtual ~ChartDevice();
  ChartDevice(const ChartDevice&) = delete;
  ChartDevice& operator=(const ChartDevice&) = delete;

  QPainter* painter() const { return painter_; }
  int pixelWidth() const { return pixW_; }
  int pixelHeight() const { return pixH_; }

  QString Name;  // the window that owns the device ("frmPsyDrawForm"), else empty
  QString Tag;   // the window's tag: the point size of the process labels

  // ---- scale ----
  double ScaleLeft() const { return left_; }
  double ScaleTop() const { return top_; }
  double ScaleWidth() const { return width_; }
  double ScaleHeight() const { return height_; }
  int ScaleMode() const { return mode_; }
  void setScaleLeft(double v);
  void setScaleTop(double v);
  void setScaleWidth(double v);
  void setScaleHeight(double v);
  void setScaleMode(int mode);  // 3 resets the scale to pixels

  // User coordinates ↔ logical pixels of the page.
  double toPixelX(double x) const;
  double toPixelY(double y) const;
  double fromPixelX(double px) const;
  double fromPixelY(double py) const;

  // ---- current point, colours, pen ----
  double CurrentX = 0, CurrentY = 0;
  OleColor ForeColor = RGB(0, 0, 0);
  OleColor BackColor = RGB(255, 255, 255);
  OleColor FillColor = RGB(0, 0, 0);
  int FillStyle = kFillTransparent;
  int DrawWidth = 1;

  // ---- font ----
  QString FontName;
  double FontSize = 8;
  bool FontBold = false;
  bool FontTransparent = true;
  // The device's font as it stands (what TextWidth measures).
  QFont currentFont() const;
  virtual double TextWidth(const QString& text) const;
  virtual double TextHeight(const QString& text) const;
  // The same in pixels.
  double textWidthPixels(const QString& text) const;
  double textHeightPixels(const QString& text) const;

  // The font printed text comes out with, and its angle.
  struct SelectedFont {
    QFont font;
    double angle = 0;
  };
  // Selects a font made from the font properties as they stand, for text at
  // `angle` degrees; returns the font selected before.
  virtual SelectedFont selectFont(double angle);
  // Selects a font kept from an earlier selection.
  void restoreFont(const SelectedFont& font);
  double selectedAngle() const { return selected_.angle; }
  const QFont& selectedFont() const { return selected_.font; }

  // ---- drawing ----
  // Clears the page to the background colour; the current point goes to the
  // top-left corner.
  void Cls();
  // Line from (x1, y1) to (x2, y2); box 1 draws the rectangle with these
  // corners, box 2 fills it with the colour. The end point becomes current.
  virtual void Line(double x1, double y1, double x2, double y2, OleColor color, int box = 0);
  // One point of the draw width; it becomes current.
  virtual void PSet(double x, double y, OleColor color);
  // Circle of `radius` (user x units) around (x, y), filled by the fill style
  // with the fill colour, outlined with `color`; the centre becomes current.
  virtual void Circle(double x, double y, double radius, OleColor color);
  // Prints the text with the selected font at the current point; the current
  // point moves right by the text's width, as a print that stays on its line.
  virtual void Print(const QString& text);
  // Fills the polygon of `count` device pixels with the fill colour and style
  // and outlines it with the foreground colour. False when count < 3.
  virtual bool Polygon(const QPoint* points, int count);

 protected:
  QColor color(OleColor c) const;  // negative: the foreground colour

 private:
  QPainter* painter_;
  int pixW_, pixH_;
  double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  int mode_ = kScalePixels;
  SelectedFont selected_;
};

// The OleColor as a QColor.
QColor toQColor(OleColor c);

}  // namespace aeriton::chart
