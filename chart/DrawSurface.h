#pragma once
// Drawing surfaces of the chart. The renderer never draws on a device
// directly: it draws through ifcDrawItem, which wraps one ChartDevice.
//
//  - clsDrawNormal passes every coordinate through unchanged.
//  - clsDrawRot90 presents the device turned by 90°: the renderer's x axis
//    runs up the device from its bottom edge, its y axis across the device
//    from the left edge, so a landscape chart fills a portrait page. The
//    renderer makes the same calls on either.
//
// The surface keeps a font for its current text angle selected into the
// device, so every text it prints comes out at that angle. Text printed with
// FontTransparent false is printed over an erased background: a polygon of
// the text's rotated box, a little larger than the text, filled with the
// device's background colour.
//
// Colour conventions: LineTo / LineFrom take −1 for the device's foreground
// colour; PointSet and CircleP take 1 for it (PointSet hands any other value,
// −1 included, to the device as it is).

#include <QString>
#include <cstdint>

#include "chart/ChartDevice.h"

namespace aeriton::chart {

class ifcDrawItem {
 public:
  virtual ~ifcDrawItem() = default;

  virtual ChartDevice* Obj() const = 0;
  virtual double CurrentX() const = 0;
  virtual void setCurrentX(double v) = 0;
  virtual double CurrentY() const = 0;
  virtual void setCurrentY(double v) = 0;
  virtual bool FontTransparent() const = 0;
  virtual void setFontTransparent(bool v) = 0;
  virtual int32_t RotateAngle() const = 0;
  virtual int32_t OriginalHeight() const = 0;
  virtual int32_t OriginalWidth() const = 0;
  virtual double ScaleHeight() const = 0;
  virtual void setScaleHeight(double v) = 0;
  virtual double ScaleLeft() const = 0;
  virtual void setScaleLeft(double v) = 0;
  virtual int32_t ScaleMode() const = 0;
  virtual void setScaleMode(int32_t v) = 0;
  virtual double ScaleTop() const = 0;
  virtual void setScaleTop(double v) = 0;
  virtual double ScaleWidth() const = 0;
  virtual void setScaleWidth(double v) = 0;
  // Height of the text in the surface's y units, width in its x units.
  virtual double TextHeight(const QString& Text) const = 0;
  virtual double TextWidth(const QString& Text) const = 0;

  // Binds the device: pixel scale (flipped for the rotated surface), the
  // device's font transparency, the rotated font.
  virtual void Initialize(ChartDevice* Device) = 0;
  // Re-creates the rotated font after a font property of the device changed.
  virtual void AfterFontChange() = 0;
  // Moves the current point to (X1, Y1) (relative when Step1), then LineTo.
  virtual void LineFrom(bool Step1, double X1, double Y1, bool Step2, double X2, double Y2,
                        OleColor Color = -1, int Style = 0) = 0;
  // Line from the current point to (X, Y) (relative when Step): Style 0 a
  // line, 1 the rectangle outline, 2 the filled rectangle, any other nothing
  // (the current point then stays). The end point becomes current.
  virtual void LineTo(bool Step, double X, double Y, OleColor Color = -1, int Style = 0) = 0;
  virtual void PointSet(double X, double Y, OleColor Color) = 0;
  // Circle of Radius (surface x units) around (X, Y), relative when Step.
  virtual void CircleP(bool Step, double X, double Y, double Radius, OleColor Color) = 0;
  // Prints at the current point at the surface's text angle.
  virtual void PrintText(const QString& Text) = 0;
  // Prints at (X, Y) at Angle, whatever the text angle; the selected font stays.
  virtual void PrintRotatedText(double Angle, const QString& Text, double X, double Y) = 0;
  // A pixel position in the unrotated surface's terms (y from the top) to
  // device pixels, in place.
  virtual void SetOriginalXY(int32_t& X, int32_t& Y) const = 0;
  // Sets the text angle and selects a font for it (the previous surface font
  // is dropped).
  virtual void SetTextAngle(double Angle) = 0;

  // The text angle in force.
  virtual double TextAngle() const = 0;
};

// Shared state and the background erase of both surfaces.
class DrawSurfaceBase : public ifcDrawItem {
 public:
  ChartDevice* Obj() const override { return obj_; }
  bool FontTransparent() const override { return fontTransparent_; }
  void setFontTransparent(bool v) override { fontTransparent_ = v; }
  double TextAngle() const override { return textAngle_; }
  int32_t ScaleMode() const override;
  void setScaleMode(int32_t v) override;

  // Background erase for Text at (X, Y) at Angle, all in device terms.
  void EraseTextBackground(double Angle, const QString& Text, double X, double Y);
  // The corners of the last erase (device pixels), for tests.
  const QPoint* erasePolygon() const { return erase_; }

 protected:
  ChartDevice* obj_ = nullptr;
  double textAngle_ = 0;
  bool fontTransparent_ = true;
  bool fontCreated_ = false;
  QPoint erase_[4];
  int32_t initialWidth_ = 0;  // device pixels at Initialize
  int32_t initialHeight_ = 0;
};

class clsDrawNormal : public DrawSurfaceBase {
 public:
  double CurrentX() const override;
  void setCurrentX(double v) override;
  double CurrentY() const override;
  void setCurrentY(double v) override;
  int32_t RotateAngle() const override { return 0; }
  int32_t OriginalHeight() const override { return initialHeight_; }
  int32_t OriginalWidth() const override { return initialWidth_; }
  double ScaleHeight() const override;
  void setScaleHeight(double v) override;
  double ScaleLeft() const override;
  void setScaleLeft(double v) override;
  double ScaleTop() const override;
  void setScaleTop(double v) override;
  double ScaleWidth() const override;
  void setScaleWidth(double v) override;
  double TextHeight(const QString& Text) const override;
  double TextWidth(const QString& Text) const override;
  void Initialize(ChartDevice* Device) override;
  void AfterFontChange() override;
  void LineFrom(bool Step1, double X1, double Y1, bool Step2, double X2, double Y2,
                OleColor Color = -1, int Style = 0) override;
  void LineTo(bool Step, double X, double Y, OleColor Color = -1, int Style = 0) override;
  void PointSet(double X, double Y, OleColor Color) override;
  void CircleP(bool Step, double X, double Y, double Radius, OleColor Color) override;
  void PrintText(const QString& Text) override;
  void PrintRotatedText(double Angle, const QString& Text, double X, double Y) override;
  void SetOriginalXY(int32_t& X, int32_t& Y) const override;
  void SetTextAngle(double Angle) override;
};

class clsDrawRot90 : public DrawSurfaceBase {
 public:
  double CurrentX() const override;
  void setCurrentX(double v) override;
  double CurrentY() const override;
  void setCurrentY(double v) override;
  int32_t RotateAngle() const override { return 90; }
  // The rotated surface is as wide as the device is high.
  int32_t OriginalHeight() const override { return initialWidth_; }
  int32_t OriginalWidth() const override { return initialHeight_; }
  double ScaleHeight() const override;
  void setScaleHeight(double v) override;
  double ScaleLeft() const override;
  void setScaleLeft(double v) override;
  double ScaleTop() const override;
  void setScaleTop(double v) override;
  double ScaleWidth() const override;
  void setScaleWidth(double v) override;
  double TextHeight(const QString& Text) const override;
  double TextWidth(const QString& Text) const override;
  void Initialize(ChartDevice* Device) override;
  void AfterFontChange() override;
  void LineFrom(bool Step1, double X1, double Y1, bool Step2, double X2, double Y2,
                OleColor Color = -1, int Style = 0) override;
  void LineTo(bool Step, double X, double Y, OleColor Color = -1, int Style = 0) override;
  void PointSet(double X, double Y, OleColor Color) override;
  void CircleP(bool Step, double X, double Y, double Radius, OleColor Color) override;
  void PrintText(const QString& Text) override;
  void PrintRotatedText(double Angle, const QString& Text, double X, double Y) override;
  void SetOriginalXY(int32_t& X, int32_t& Y) const override;
  void SetTextAngle(double Angle) override;
};

// ---- Text at an angle and polygons on a device ------------------------------------

// Builds a font from the device's font properties for text at Angle (rounded
// to tenths of a degree), selects it and returns the font selected before.
// With DeletePrevious the previous font is dropped (the returned one must not
// be selected again).
ChartDevice::SelectedFont CreateRotatedFont(ChartDevice& Device, double Angle, bool DeletePrevious);
// Prints Text at (X, Y) at Angle with a temporary font; the selected font stays.
void PrintTextAtAngle(ChartDevice& Device, double Angle, const QString& Text, double X, double Y);
// Fills the polygon of Count device pixels from Points[FirstIndex]; false when
// Count < 3.
bool FillPolygon(ChartDevice& Device, const QPoint* Points, int Count, int FirstIndex);

}  // namespace aeriton::chart
