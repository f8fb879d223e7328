#include "chart/ChartDevice.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace aeriton::chart {

QColor toQColor(OleColor c) {
  return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

ChartDevice::ChartDevice(QPainter* painter, int pixelWidth, int pixelHeight)
    : painter_(painter), pixW_(pixelWidth), pixH_(pixelHeight) {
  FontName = QGuiApplication::font().family();
  setScaleMode(kScalePixels);
  selected_.font = currentFont();
}

ChartDevice::~ChartDevice() = default;

// ---- scale ------------------------------------------------------------------------

void ChartDevice::setScaleLeft(double v) {
  left_ = v;
  mode_ = kScaleUser;
}
void ChartDevice::setScaleTop(double v) {
  top_ = v;
  mode_ = kScaleUser;
}
void ChartDevice::setScaleWidth(double v) {
  width_ = v;
  mode_ = kScaleUser;
}
void ChartDevice::setScaleHeight(double v) {
  height_ = v;
  mode_ = kScaleUser;
}
void ChartDevice::setScaleMode(int mode) {
  mode_ = mode;
  if (mode == kScalePixels) {
    left_ = 0;
    top_ = 0;
    width_ = pixW_;
    height_ = pixH_;
  }
}

// A scale of zero width or height maps every user value to the left or top
// edge instead of dividing by zero.
double ChartDevice::toPixelX(double x) const {
  return width_ == 0 ? 0 : (x - left_) * pixW_ / width_;
}
double ChartDevice::toPixelY(double y) const {
  return height_ == 0 ? 0 : (y - top_) * pixH_ / height_;
}
double ChartDevice::fromPixelX(double px) const {
  return pixW_ == 0 ? left_ : left_ + px * width_ / pixW_;
}
double ChartDevice::fromPixelY(double py) const {
  return pixH_ == 0 ? top_ : top_ + py * height_ / pixH_;
}

// ---- font ---------------------------------------------------------------------------

QFont ChartDevice::currentFont() const {
  QFont f(FontName);
  // Point sizes at 96 pixels per inch, in the page's logical pixels, so that
  // a scaled painter scales the text with everything else.
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(FontSize * kPixelsPerInch / 72.0))));
  f.setBold(FontBold);
  // Glyph widths must not depend on the resolution the page is painted at.
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

double ChartDevice::textWidthPixels(const QString& text) const {
  return QFontMetricsF(currentFont()).horizontalAdvance(text);
}
double ChartDevice::textHeightPixels(const QString&) const {
  return QFontMetricsF(currentFont()).height();
}
double ChartDevice::TextWidth(const QString& text) const {
  return pixW_ == 0 ? 0 : textWidthPixels(text) * width_ / pixW_;
}
double ChartDevice::TextHeight(const QString& text) const {
  return pixH_ == 0 ? 0 : textHeightPixels(text) * height_ / pixH_;
}

ChartDevice::SelectedFont ChartDevice::selectFont(double angle) {
  SelectedFont previous = selected_;
  selected_.font = currentFont();
  selected_.angle = angle;
  return previous;
}

void ChartDevice::restoreFont(const SelectedFont& font) {
  selected_ = font;
}

// ---- drawing --------------------------------------------------------------------

QColor ChartDevice::color(OleColor c) const {
  return toQColor(c < 0 ? ForeColor : c);
}

void ChartDevice::Cls() {
  painter_->save();
  painter_->resetTransform();
  const QPaintDevice* pd = painter_->device();
  painter_->fillRect(QRect(0, 0, pd->width(), pd->height()), toQColor(BackColor));
  painter_->restore();
  CurrentX = left_;
  CurrentY = top_;
}

void ChartDevice::Line(double x1, double y1, double x2, double y2, OleColor c, int box) {
  const QPointF a(toPixelX(x1), toPixelY(y1));
  const QPointF b(toPixelX(x2), toPixelY(y2));
  const QColor col = color(c);
  painter_->save();
  if (box == 2) {
    painter_->setPen(Qt::NoPen);
    painter_->setBrush(col);
    painter_->drawRect(QRectF(a, b).normalized());
  } else {
    QPen pen(col, std::max(1, DrawWidth));
    pen.setCapStyle(DrawWidth > 1 ? Qt::RoundCap : Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter_->setPen(pen);
    painter_->setBrush(Qt::NoBrush);
    if (box == 1)
      painter_->drawRect(QRectF(a, b).normalized());
    else
      painter_->drawLine(a, b);
  }
  painter_->restore();
  CurrentX = x2;
  CurrentY = y2;
}

void ChartDevice::PSet(double x, double y, OleColor c) {
  const QPointF p(toPixelX(x), toPixelY(y));
  const double size = std::max(1, DrawWidth);
  painter_->save();
  painter_->setPen(Qt::NoPen);
  painter_->setBrush(color(c));
  // The square of pixels the point names (pixel (x, y) spans x … x + 1).
  painter_->drawRect(QRectF(p.x() - size / 2 + 0.5, p.y() - size / 2 + 0.5, size, size));
  painter_->restore();
  CurrentX = x;
  CurrentY = y;
}

void ChartDevice::Circle(double x, double y, double radius, OleColor c) {
  const QPointF centre(toPixelX(x), toPixelY(y));
  const double r = width_ == 0 ? 0 : std::fabs(radius * pixW_ / width_);
  painter_->save();
  painter_->setPen(QPen(color(c), std::max(1, DrawWidth)));
  if (FillStyle == kFillSolid)
    painter_->setBrush(toQColor(FillColor));
  else
    painter_->setBrush(Qt::NoBrush);
  painter_->drawEllipse(centre, r, r);
  painter_->restore();
  CurrentX = x;
  CurrentY = y;
}

void ChartDevice::Print(const QString& text) {
  const QPointF at(toPixelX(CurrentX), toPixelY(CurrentY));
  const QFontMetricsF fm(selected_.font);
  painter_->save();
  painter_->translate(at);
  painter_->rotate(-selected_.angle);  // angles count counter-clockwise on the page
  painter_->setFont(selected_.font);
  painter_->setPen(toQColor(ForeColor));
  painter_->drawText(QPointF(0, fm.ascent()), text);
  painter_->restore();
  CurrentX += TextWidth(text);
}

bool ChartDevice::Polygon(const QPoint* points, int count) {
  if (count < 3) return false;
  QPolygonF poly;
  for (int i = 0; i < count; ++i) poly << QPointF(points[i]);
  painter_->save();
  painter_->setPen(QPen(toQColor(ForeColor), std::max(1, DrawWidth)));
  if (FillStyle == kFillSolid)
    painter_->setBrush(toQColor(FillColor));
  else
    painter_->setBrush(Qt::NoBrush);
  painter_->drawPolygon(poly);
  painter_->restore();
  return true;
}

}  // namespace aeriton::chart
