#include "chart/DrawSurface.h"

#include <cmath>

namespace aeriton::chart {
namespace {

constexpr double kPi = 3.14159265358979323846;

int32_t nearestInt(double x) {
  return static_cast<int32_t>(nearestEven(x));
}

double sinDeg(double a) {
  return std::sin(a * kPi / 180.0);
}

int sgn(double x) {
  return x > 0 ? 1 : (x < 0 ? -1 : 0);
}

// nearest(Angle + 90) mod 360, in 0 … 359.
double rotatedAngle(double angle) {
  double a = std::fmod(nearestEven(angle + 90.0), 360.0);
  if (a < 0) a += 360.0;
  return a;
}

}  // namespace

// ---- modTextInAngle -------------------------------------------------------------------

ChartDevice::SelectedFont CreateRotatedFont(ChartDevice& Device, double Angle,
                                            bool DeletePrevious) {
  // The escapement of a font is held in tenths of a degree.
  const double escapement = nearestEven(Angle * 10.0) / 10.0;
  ChartDevice::SelectedFont previous = Device.selectFont(escapement);
  // A dropped font is gone: nothing of it may be selected again.
  if (DeletePrevious) previous.font = QFont();
  return previous;
}

void PrintTextAtAngle(ChartDevice& Device, double Angle, const QString& Text, double X, double Y) {
  const ChartDevice::SelectedFont previous = CreateRotatedFont(Device, Angle, false);
  Device.CurrentX = X;
  Device.CurrentY = Y;
  Device.Print(Text);
  Device.restoreFont(previous);
}

bool FillPolygon(ChartDevice& Device, const QPoint* Points, int Count, int FirstIndex) {
  if (Count < 3 || !Points) return false;
  return Device.Polygon(Points + FirstIndex, Count);
}

// ---- shared ------------------------------------------------------------------------------

int32_t DrawSurfaceBase::ScaleMode() const {
  return obj_->ScaleMode();
}
void DrawSurfaceBase::setScaleMode(int32_t v) {
  obj_->setScaleMode(v);
}

void DrawSurfaceBase::EraseTextBackground(double Angle, const QString& Text, double X, double Y) {
  ChartDevice& d = *obj_;
  // 1. Pixels per user unit (fy is negative on a flipped scale).
  const double fx = d.ScaleWidth() == 0 ? 0 : initialWidth_ / d.ScaleWidth();
  const double fy = d.ScaleHeight() == 0 ? 0 : initialHeight_ / d.ScaleHeight();
  // 2. Paint with the background colour.
  const OleColor fore = d.ForeColor, fill = d.FillColor;
  const int fillStyle = d.FillStyle, drawWidth = d.DrawWidth;
  d.ForeColor = d.BackColor;
  d.FillColor = d.BackColor;
  d.FillStyle = kFillSolid;
  d.DrawWidth = 1;
  // 3. The text's box in pixels, three pixels larger than the text.
  const double s = sinDeg(Angle), c = std::cos(Angle * kPi / 180.0);
  const double w = fx * d.TextWidth(Text) + 3;
  const double h = fy * d.TextHeight(Text) + 3;
  const int32_t px = nearestInt(fx * (X - d.ScaleLeft()));
  const int32_t py = nearestInt(fy * (Y - d.ScaleTop()));
  // 4. First corner, nudged one pixel against the text's slant.
  const double as = std::fabs(s);
  int32_t x0 = px, y0 = py;
  if (as <= sinDeg(25))
    x0 = px - sgn(c);
  else if (as > sinDeg(65))
    y0 = py + sgn(s);
  // 5. Slanted text: two pixels more across its baseline.
  if (as > sinDeg(13.5) && as < sinDeg(89.5)) x0 = nearestInt(x0 + 2 * s);
  if (as > sinDeg(0.5) && as < sinDeg(76.5)) y0 = nearestInt(y0 + 2 * c);
  // 6. The other corners along the baseline and down the text.
  erase_[0] = QPoint(x0, y0);
  erase_[1] = QPoint(nearestInt(x0 + w * c), nearestInt(y0 - w * s));
  erase_[2] = QPoint(nearestInt(erase_[1].x() + h * s), nearestInt(erase_[1].y() + h * c));
  erase_[3] = QPoint(nearestInt(erase_[2].x() - w * c), nearestInt(erase_[2].y() + w * s));
  // 7.
  FillPolygon(d, erase_, 4, 0);
  // 8.
  d.CurrentX = X;
  d.CurrentY = Y;
  d.ForeColor = fore;
  d.FillColor = fill;
  d.FillStyle = fillStyle;
  d.DrawWidth = drawWidth;
}

// ---- clsDrawNormal ---------------------------------------------------------------------

double clsDrawNormal::CurrentX() const {
  return obj_->CurrentX;
}
void clsDrawNormal::setCurrentX(double v) {
  obj_->CurrentX = v;
}
double clsDrawNormal::CurrentY() const {
  return obj_->CurrentY;
}
void clsDrawNormal::setCurrentY(double v) {
  obj_->CurrentY = v;
}
double clsDrawNormal::ScaleHeight() const {
  return obj_->ScaleHeight();
}
void clsDrawNormal::setScaleHeight(double v) {
  obj_->setScaleHeight(v);
}
double clsDrawNormal::ScaleLeft() const {
  return obj_->ScaleLeft();
}
void clsDrawNormal::setScaleLeft(double v) {
  obj_->setScaleLeft(v);
}
double clsDrawNormal::ScaleTop() const {
  return obj_->ScaleTop();
}
void clsDrawNormal::setScaleTop(double v) {
  obj_->setScaleTop(v);
}
double clsDrawNormal::ScaleWidth() const {
  return obj_->ScaleWidth();
}
void clsDrawNormal::setScaleWidth(double v) {
  obj_->setScaleWidth(v);
}
double clsDrawNormal::TextHeight(const QString& Text) const {
  return obj_->TextHeight(Text);
}
double clsDrawNormal::TextWidth(const QString& Text) const {
  return obj_->TextWidth(Text);
}

void clsDrawNormal::Initialize(ChartDevice* Device) {
  obj_ = Device;
  fontTransparent_ = Device->FontTransparent;
  Device->setScaleLeft(0);
  Device->setScaleTop(0);
  Device->setScaleMode(kScalePixels);
  initialWidth_ = nearestInt(Device->ScaleWidth());
  initialHeight_ = nearestInt(Device->ScaleHeight());
  AfterFontChange();
}

void clsDrawNormal::AfterFontChange() {
  CreateRotatedFont(*obj_, textAngle_, fontCreated_);
  fontCreated_ = true;
}

void clsDrawNormal::LineFrom(bool Step1, double X1, double Y1, bool Step2, double X2, double Y2,
                             OleColor Color, int Style) {
  if (Step1) {
    X1 += obj_->CurrentX;
    Y1 += obj_->CurrentY;
  }
  obj_->CurrentX = X1;
  obj_->CurrentY = Y1;
  LineTo(Step2, X2, Y2, Color, Style);
}

void clsDrawNormal::LineTo(bool Step, double X, double Y, OleColor Color, int Style) {
  if (Style < 0 || Style > 2) return;
  if (Step) {
    X += obj_->CurrentX;
    Y += obj_->CurrentY;
  }
  const OleColor c = Color == -1 ? obj_->ForeColor : Color;
  obj_->Line(obj_->CurrentX, obj_->CurrentY, X, Y, c, Style);
}

void clsDrawNormal::PointSet(double X, double Y, OleColor Color) {
  obj_->PSet(X, Y, Color == 1 ? obj_->ForeColor : Color);
}

void clsDrawNormal::CircleP(bool Step, double X, double Y, double Radius, OleColor Color) {
  if (Step) {
    X += obj_->CurrentX;
    Y += obj_->CurrentY;
  }
  obj_->Circle(X, Y, Radius, Color == 1 ? obj_->ForeColor : Color);
}

void clsDrawNormal::PrintText(const QString& Text) {
  if (!fontTransparent_) EraseTextBackground(textAngle_, Text, obj_->CurrentX, obj_->CurrentY);
  obj_->Print(Text);
}

void clsDrawNormal::PrintRotatedText(double Angle, const QString& Text, double X, double Y) {
  if (!fontTransparent_) EraseTextBackground(Angle, Text, X, Y);
  PrintTextAtAngle(*obj_, Angle, Text, X, Y);
}

void clsDrawNormal::SetOriginalXY(int32_t&, int32_t&) const {}

void clsDrawNormal::SetTextAngle(double Angle) {
  textAngle_ = Angle;
  CreateRotatedFont(*obj_, Angle, true);
  fontCreated_ = true;
}

// ---- clsDrawRot90 ------------------------------------------------------------------------
// Logical x is device y (upwards from the bottom edge), logical y is device x.

double clsDrawRot90::CurrentX() const {
  return obj_->CurrentY;
}
void clsDrawRot90::setCurrentX(double v) {
  obj_->CurrentY = v;
}
double clsDrawRot90::CurrentY() const {
  return obj_->CurrentX;
}
void clsDrawRot90::setCurrentY(double v) {
  obj_->CurrentX = v;
}
double clsDrawRot90::ScaleLeft() const {
  return obj_->ScaleTop() + obj_->ScaleHeight();
}
void clsDrawRot90::setScaleLeft(double v) {
  obj_->setScaleTop(v - obj_->ScaleHeight());
}
double clsDrawRot90::ScaleTop() const {
  return obj_->ScaleLeft();
}
void clsDrawRot90::setScaleTop(double v) {
  obj_->setScaleLeft(v);
}
double clsDrawRot90::ScaleWidth() const {
  return -obj_->ScaleHeight();
}
void clsDrawRot90::setScaleWidth(double v) {
  obj_->setScaleHeight(-v);
}
double clsDrawRot90::ScaleHeight() const {
  return obj_->ScaleWidth();
}
void clsDrawRot90::setScaleHeight(double v) {
  obj_->setScaleWidth(v);
}

// The text runs up the device: its width is measured along device y, its
// height along device x.
double clsDrawRot90::TextWidth(const QString& Text) const {
  const ChartDevice& d = *obj_;
  if (d.ScaleWidth() == 0 || d.pixelHeight() == 0) return 0;
  const double pixels = d.TextWidth(Text) * d.pixelWidth() / d.ScaleWidth();
  return -(pixels * d.ScaleHeight() / d.pixelHeight());
}
double clsDrawRot90::TextHeight(const QString& Text) const {
  const ChartDevice& d = *obj_;
  if (d.ScaleHeight() == 0 || d.pixelWidth() == 0) return 0;
  const double pixels = d.TextHeight(Text) * d.pixelHeight() / d.ScaleHeight();
  return pixels * d.ScaleWidth() / d.pixelWidth();
}

void clsDrawRot90::Initialize(ChartDevice* Device) {
  obj_ = Device;
  fontTransparent_ = Device->FontTransparent;
  Device->setScaleLeft(0);
  Device->setScaleTop(0);
  Device->setScaleMode(kScalePixels);
  initialWidth_ = nearestInt(Device->ScaleWidth());
  initialHeight_ = nearestInt(Device->ScaleHeight());
  // Device y from 0 at the bottom edge upwards.
  Device->setScaleHeight(-Device->ScaleHeight());
  Device->setScaleTop(-Device->ScaleHeight());
  AfterFontChange();
}

void clsDrawRot90::AfterFontChange() {
  CreateRotatedFont(*obj_, textAngle_ + 90.0, fontCreated_);
  fontCreated_ = true;
}

void clsDrawRot90::LineFrom(bool Step1, double X1, double Y1, bool Step2, double X2, double Y2,
                            OleColor Color, int Style) {
  if (Step1) {
    X1 += CurrentX();
    Y1 += CurrentY();
  }
  setCurrentX(X1);
  setCurrentY(Y1);
  LineTo(Step2, X2, Y2, Color, Style);
}

void clsDrawRot90::LineTo(bool Step, double X, double Y, OleColor Color, int Style) {
  if (Style < 0 || Style > 2) return;
  if (Step) {
    X += CurrentX();
    Y += CurrentY();
  }
  const OleColor c = Color == -1 ? obj_->ForeColor : Color;
  obj_->Line(obj_->CurrentX, obj_->CurrentY, Y, X, c, Style);
}

void clsDrawRot90::PointSet(double X, double Y, OleColor Color) {
  obj_->PSet(Y, X, Color == 1 ? obj_->ForeColor : Color);
}

void clsDrawRot90::CircleP(bool Step, double X, double Y, double Radius, OleColor Color) {
  if (Step) {
    X += CurrentX();
    Y += CurrentY();
  }
  // The radius comes in the surface's x units, which run along device y; the
  // device measures a radius in its x units.
  const ChartDevice& d = *obj_;
  double r = 0;
  if (d.ScaleHeight() != 0 && d.pixelWidth() != 0) {
    const double pixels = std::fabs(Radius * d.pixelHeight() / d.ScaleHeight());
    r = pixels * std::fabs(d.ScaleWidth()) / d.pixelWidth();
  }
  obj_->Circle(Y, X, r, Color == 1 ? obj_->ForeColor : Color);
}

void clsDrawRot90::PrintText(const QString& Text) {
  if (!fontTransparent_)
    EraseTextBackground(rotatedAngle(textAngle_), Text, obj_->CurrentX, obj_->CurrentY);
  obj_->Print(Text);
}

void clsDrawRot90::PrintRotatedText(double Angle, const QString& Text, double X, double Y) {
  const double a = rotatedAngle(Angle);
  if (!fontTransparent_) EraseTextBackground(a, Text, Y, X);
  PrintTextAtAngle(*obj_, a, Text, Y, X);
}

void clsDrawRot90::SetOriginalXY(int32_t& X, int32_t& Y) const {
  const int32_t x = X;
  X = Y;
  Y = initialHeight_ - x;
}

void clsDrawRot90::SetTextAngle(double Angle) {
  textAngle_ = Angle;
  CreateRotatedFont(*obj_, rotatedAngle(Angle), true);
  fontCreated_ = true;
}

}  // namespace aeriton::chart
