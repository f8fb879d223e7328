#include "chart/PsyDraw.h"

#include <QLineF>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <stdexcept>

#include "chart/ChartTable.h"
#include "chart/DrawSurface.h"
#include "engine/NumberEntry.h"

namespace aeriton::chart {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Below these the page has no room for a chart (pixels).
constexpr double kMinPlotWidth = 60;
constexpr double kMinPlotHeight = 60;

const char* const kDryBulbTitle = "Θερμοκρασία Ξηρού Θερμομέτρου σε °";
const char* const kHumidityTitle = "Απόλυτη Υγρασία σε ";
const char* const kEnthalpyTitle = "Ενθαλπία σε ";
const char* const kWetBulbTitle = "Θερμοκρασία Υγρού Θερμομέτρου σε °";

DrawnChart& drawing() {
  static DrawnChart d;
  return d;
}

QString zeros(int n) {
  return QString(n, QLatin1Char('0'));
}

// The polygon of a text whose top-left corner is at `at` (pixels, y down),
// `w` × `h` pixels, its baseline turned `angle` degrees counter-clockwise.
QPolygonF textBox(QPointF at, double w, double h, double angle) {
  const double a = angle * kPi / 180.0;
  const QPointF b(std::cos(a), -std::sin(a));  // along the baseline
  const QPointF d(std::sin(a), std::cos(a));   // down the text
  QPolygonF p;
  p << at << at + w * b << at + w * b + h * d << at + h * d;
  return p;
}

// Do two convex polygons (text boxes) overlap? Separating axes: they do not
// when the projections on the normal of some edge are apart. Boxes that only
// touch do not overlap.
bool overlaps(const QPolygonF& a, const QPolygonF& b) {
  if (a.size() < 3 || b.size() < 3) return false;
  if (!a.boundingRect().intersects(b.boundingRect())) return false;
  for (const QPolygonF* p : {&a, &b}) {
    for (int i = 0; i < p->size(); ++i) {
      const QPointF e = p->at((i + 1) % p->size()) - p->at(i);
      if (std::hypot(e.x(), e.y()) < 1e-9) continue;  // a closing point repeats the first
      const QPointF n(-e.y(), e.x());
      double minA = std::numeric_limits<double>::max(), maxA = -minA;
      double minB = minA, maxB = -minA;
      for (const QPointF& q : a) {
        const double d = q.x() * n.x() + q.y() * n.y();
        minA = std::min(minA, d);
        maxA = std::max(maxA, d);
      }
      for (const QPointF& q : b) {
        const double d = q.x() * n.x() + q.y() * n.y();
        minB = std::min(minB, d);
        maxB = std::max(maxB, d);
      }
      const double eps = 1e-9 * std::max(1.0, std::hypot(n.x(), n.y()));
      if (maxA <= minB + eps || maxB <= minA + eps) return false;
    }
  }
  return true;
}

// Does the segment p-q cross the rectangle r?
bool segmentHitsRect(QPointF p, QPointF q, const QRectF& r) {
  if (r.contains(p) || r.contains(q)) return true;
  const QLineF seg(p, q);
  const QLineF edges[4] = {QLineF(r.topLeft(), r.topRight()), QLineF(r.topRight(), r.bottomRight()),
                           QLineF(r.bottomRight(), r.bottomLeft()),
                           QLineF(r.bottomLeft(), r.topLeft())};
  for (const QLineF& e : edges)
    if (seg.intersects(e, nullptr) == QLineF::BoundedIntersection) return true;
  return false;
}

// One drawing: the surface, the table and the layout values of the steps.
class Renderer {
 public:
  Renderer(ChartDevice& device, bool rotated) : dev_(device) {
    if (rotated)
      s_ = std::make_unique<clsDrawRot90>();
    else
      s_ = std::make_unique<clsDrawNormal>();
  }

  bool draw(bool english, int32_t minT, int32_t maxT, int32_t maxAbsHum);

 private:
  const ChartRow& row(int t) const { return m_.ChartData->row(t); }
  double wsat(int t) const { return row(t).AbsHum[10]; }
  double k() const { return m_.ChartData->TempVsAbsHum(); }

  // Chart units ↔ surface pixels (y down).
  QPointF px(double T, double W) const { return QPointF((T - left_) / sx_, (top_ - W) / sy_); }
  QPointF user(QPointF p) const { return QPointF(left_ + p.x() * sx_, top_ - p.y() * sy_); }
  double textW(const QString& t) const { return dev_.textWidthPixels(t); }

  void line(double x1, double y1, double x2, double y2, OleColor c = -1) {
    s_->LineFrom(false, x1, y1, false, x2, y2, c, 0);
  }
  // Prints at (T, W) (the text's top-left corner) at the surface's text angle.
  QPolygonF print(const QString& text, double T, double W, LabelKind kind) {
    s_->setCurrentX(T);
    s_->setCurrentY(W);
    s_->PrintText(text);
    QPolygonF box = textBox(px(T, W), textW(text), th_, s_->TextAngle());
    out_.labels.push_back({kind, text, box});
    return box;
  }
  // Prints with its top-left corner at a surface pixel.
  QPolygonF printAtPixel(const QString& text, QPointF p, LabelKind kind) {
    const QPointF u = user(p);
    return print(text, u.x(), u.y(), kind);
  }
  bool clearOf(const QPolygonF& box, std::initializer_list<LabelKind> kinds) const {
    for (const DrawnLabel& l : out_.labels)
      for (LabelKind k : kinds)
        if (l.kind == k && overlaps(box, l.box)) return false;
    return true;
  }

  void measure();
  bool setScale();
  void topCrossing();
  void dryBulbLabels();
  void humidityLabels();
  void gridLines();
  void enthalpyScale();
  void wetBulbLabels();
  void relativeHumidity();
  void wetBulbTitleAndAxes();
  void processOverlay();
  void arrowHead(QPointF from, QPointF to, OleColor colour);
  void placeProcessLabel(int k, const std::vector<std::pair<QPointF, QPointF>>& segments,
                         std::vector<QRectF>& placed);

  ChartDevice& dev_;
  std::unique_ptr<ifcDrawItem> s_;
  ChartModule& m_ = chartModule();
  DrawnChart out_;

  int minT_ = 0, maxT_ = 0;
  double maxW_ = 0;
  double W0_ = 0, H0_ = 0, a_ = 0, b_ = 0, c_ = 0, th_ = 0, sp_ = 0;
  double sx_ = 0, sy_ = 0, TH_ = 0, SP_ = 0, left_ = 0, top_ = 0;
  double tTop_ = 0;
  double alphaDeg_ = 0;
  std::vector<int> wetBulbRows_;
};

// ---- 2–3: measures and scale ---------------------------------------------------------

void Renderer::measure() {
  W0_ = s_->ScaleWidth();
  H0_ = s_->ScaleHeight();
  const int minChars = QString::number(minT_).size();
  const int maxChars = QString::number(maxT_).size();
  a_ = std::max(s_->TextWidth(zeros(minChars) + ' '), s_->TextWidth(zeros(maxChars) + ' '));
  b_ = s_->TextWidth(zeros(11));
  c_ = s_->TextWidth(zeros(QString::number(m_.ChartMaxAbsHum).size()) + ' ');
  th_ = s_->TextHeight(QStringLiteral("0"));
  sp_ = s_->TextWidth(QStringLiteral(" "));
}

bool Renderer::setScale() {
  const double plotW = W0_ - b_ - c_ - sp_ - 1.4 * th_;
  const double plotH = H0_ - 1.3 * 5 * th_;
  if (plotW < kMinPlotWidth || plotH < kMinPlotHeight) return false;
  sx_ = (maxT_ - minT_) / plotW;
  sy_ = maxW_ / plotH;
  s_->setScaleWidth(W0_ * sx_);
  s_->setScaleHeight(-H0_ * sy_);
  s_->setScaleLeft(minT_ - b_ * sx_);
  s_->setScaleTop(H0_ * sy_ - 2 * 1.3 * th_ * sy_);
  left_ = s_->ScaleLeft();
  top_ = s_->ScaleTop();
  TH_ = th_ * sy_;
  SP_ = sp_ * sx_;
  return true;
}

// ---- 4: where the saturation curve meets the top border --------------------------------

void Renderer::topCrossing() {
  // Normalisation keeps the top above the saturation humidity of the left
  // border; when the curve stays below the top up to the right border, the
  // right border is where it leaves the chart.
  tTop_ = maxT_;
  for (int t = minT_ + 1; t <= maxT_; ++t) {
    if (wsat(t) >= maxW_) {
      tTop_ = t - (wsat(t) - maxW_) / (wsat(t) - wsat(t - 1));
      break;
    }
  }
}

// ---- 5: dry-bulb numbers and title ------------------------------------------------------

void Renderer::dryBulbLabels() {
  int step = 1;
  while (a_ * sx_ / step > 1 && step < maxT_ - minT_) step *= 2;
  out_.temperatureStep = step;
  for (int t = minT_; t <= maxT_ - 1; t += step) {
    const QString text = QString::number(t);
    print(text, t - textW(text) * sx_ / 2, -0.2 * TH_, LabelKind::DryBulbAxis);
  }
  print(QString::fromUtf8(kDryBulbTitle) + m_.TempUnit, minT_, -1.2 * TH_, LabelKind::AxisTitle);
}

// ---- 6: humidity numbers, lines and title ---------------------------------------------

void Renderer::humidityLabels() {
  const double step = NiceStep(TH_);
  out_.humidityStep = step;
  const int count = static_cast<int>(std::floor(maxW_ / step + 1e-9));
  for (int n = 0; n <= count; ++n) {
    const double W = n * step;
    const QString text = QString::number(W, 'g', 12);
    // Right-aligned a space left of the label column's end; the digits stand
    // on their line (the text's top one text height above it, less three
    // pixels).
    print(text, maxT_ + c_ * sx_ - textW(text) * sx_, W + TH_ - 3 * sy_, LabelKind::HumidityAxis);
    if (W < 1) continue;
    // Where the saturation curve reaches W: from there to the right border.
    double tW = minT_ - 1;
    if (wsat(minT_) >= W) {
      tW = minT_;  // saturated already at the left border: the line spans the chart
    } else {
      for (int t = minT_ + 1; t <= maxT_; ++t) {
        if (wsat(t) >= W) {
          tW = t - (wsat(t) - W) / (wsat(t) - wsat(t - 1));
          break;
        }
      }
    }
    if (tW >= minT_) line(tW, W, maxT_, W, m_.LightGridColor);
  }
  const QString title = QString::fromUtf8(kHumidityTitle) + m_.AbsHumUnit;
  const double x = maxT_ + c_ * sx_ + SP_ / 2;
  s_->PrintRotatedText(90, title, x, 0);
  out_.labels.push_back({LabelKind::AxisTitle, title, textBox(px(x, 0), textW(title), th_, 90)});
}

// ---- 7: dry-bulb and wet-bulb lines --------------------------------------------------

void Renderer::gridLines() {
  double threshold = 0;
  for (int t = minT_; t <= maxT_ - 1; ++t) {
    const ChartRow& r = row(t);
    const double ws = r.AbsHum[10];
    if (ws <= maxW_) {
      line(t, 0, t, ws, m_.LightGridColor);
      // A wet-bulb line only where it stands clear of the one drawn before.
      if (ws > threshold) {
        threshold = ws + 1 / k() + TH_ / 3;
        line(t, ws, r.P2Temp, r.P2AbsHum, m_.DarkGridColor);
        wetBulbRows_.push_back(t);
      }
    } else {
      line(t, 0, t, maxW_, m_.LightGridColor);
      if (r.TempX0 < maxT_) {
        const double tx = t + (r.TempX0 - t) * (ws - maxW_) / ws;
        line(tx, maxW_, r.P2Temp, r.P2AbsHum, m_.DarkGridColor);
        wetBulbRows_.push_back(t);
      }
    }
  }
  out_.wetBulbLines = wetBulbRows_;
}

// ---- 8: the enthalpy scale ------------------------------------------------------------

void Renderer::enthalpyScale() {
  const double wsMin = wsat(minT_);
  const double S = (tTop_ - minT_) / (maxW_ - wsMin);
  m_.SatChordSlope = S;
  const double alpha = std::atan((sx_ / sy_) / S);
  alphaDeg_ = alpha * 180.0 / kPi;

  // Enthalpy where the saturation curve meets the top.
  int i = static_cast<int>(std::floor(tTop_));
  i = std::clamp(i, minT_, maxT_ - 1);
  const double f = tTop_ - i;
  const double hTop = (1 - f) * row(i).Enth + f * row(i + 1).Enth;
  const double hMin = row(minT_).Enth;
  const double epd = (hTop - hMin) / (tTop_ - minT_);
  m_.EnthPerDegree = epd;

  // The scale stands seven digits left of the chord, along the wet-bulb lines.
  const double dT = -textW(zeros(7)) * sx_;
  const double dW = dT / k();
  const QPointF A(minT_ + dT, wsMin + dW);
  const QPointF B(tTop_ + dT, maxW_ + dW);
  line(A.x(), A.y(), B.x(), B.y(), -1);
  // On to the top edge of the page, lighter: beyond the saturation curve.
  const double wEnd = top_ - 0.4 * TH_;
  if (wEnd > B.y()) line(B.x(), B.y(), B.x() + (wEnd - B.y()) * S, wEnd, m_.DarkGridColor);
  m_.EnthAxisX0 = minT_ + dT - (wsMin + dW) * S;
  m_.EnthAxisOffset = tTop_ + dT - hTop / epd;

  // Pixel directions on the page (y down): along the scale, and outwards.
  const QPointF u(std::cos(alpha), -std::sin(alpha));
  const QPointF n(-std::sin(alpha), -std::cos(alpha));
  s_->SetTextAngle(alphaDeg_);

  const int digits = QString::number(static_cast<long long>(std::floor(std::fabs(hTop)))).size();
  const double labelW = textW(zeros(digits) + ' ');
  const double labelStep = NiceStep(labelW * std::cos(alpha) * sx_ * epd);
  const QString lead = QString::number(labelStep, 'g', 12).left(1);
  double tick = labelStep;
  if (labelStep == 1)
    tick = 1;
  else if (lead == "1" || lead == "2")
    tick = labelStep / 2;
  else if (lead == "5")
    tick = labelStep / 5;
  out_.enthalpyLabelStep = labelStep;
  out_.enthalpyTickStep = tick;

  const double major = 1.5 * th_;  // pixels, across the scale
  const double gap = 0.25 * th_;
  const long long first = static_cast<long long>(std::ceil(hMin / tick - 1e-9));
  const long long last = static_cast<long long>(std::floor(hTop / tick + 1e-9));
  for (long long j = first; j <= last && j - first < 100000; ++j) {
    const double h = j * tick;
    const double T = h / epd + m_.EnthAxisOffset;
    const double W = A.y() + (T - A.x()) / S;
    const QPointF p = px(T, W);
    const double ratio = h / labelStep;
    const bool labelled = std::fabs(ratio - std::round(ratio)) < 1e-6;
    const double len = labelled ? major : 0.6 * major;
    const QPointF e = user(p + n * len);
    line(T, W, e.x(), e.y(), -1);
    if (!labelled) continue;
    const QString text = QString::number(h, 'g', 12);
    const double w = textW(text);
    printAtPixel(text, p + n * (len + gap + th_) - u * (w / 2), LabelKind::Enthalpy);
  }
  // The title along the scale near its lower end, four text heights out.
  const QString title = QString::fromUtf8(kEnthalpyTitle) + m_.EnthUnit;
  printAtPixel(title, px(A.x(), A.y()) + u * (1.5 * labelW) + n * (4 * th_), LabelKind::AxisTitle);
  s_->SetTextAngle(0);
}

// ---- 9: wet-bulb numbers along the saturation curve -----------------------------------

void Renderer::wetBulbLabels() {
  // Up and to the left along the wet-bulb line, off the saturation curve.
  QPointF v(k() / sx_, -1 / sy_);
  v /= std::hypot(v.x(), v.y());
  const bool transparent = s_->FontTransparent();
  s_->setFontTransparent(false);
  double threshold = 0;
  QPolygonF previous;
  for (int t = minT_; t <= maxT_ - 1 && wsat(t) < maxW_; ++t) {
    if (!(wsat(t) > threshold)) continue;
    threshold = wsat(t) + 1 / k() + TH_ / 3;
    const QString text = QString::number(t);
    const double w = textW(text), h = th_;
    const QPointF centre = px(t, wsat(t)) + v * (std::hypot(w / 2, h / 2) + 2);
    const QPointF at = centre - QPointF(w / 2, h / 2);
    const QPolygonF box = textBox(at, w, h, 0);
    // Half a space between neighbours, so that "-12" and "-11" do not run together.
    const QPolygonF spaced = textBox(at - QPointF(sp_ / 2, 0), w + sp_, h, 0);
    if (!previous.isEmpty() && overlaps(spaced, previous)) continue;
    if (!clearOf(box, {LabelKind::Enthalpy})) continue;
    printAtPixel(text, at, LabelKind::WetBulb);
    out_.wetBulbLabels.push_back(t);
    previous = box;
  }
  s_->setFontTransparent(transparent);
}

// ---- 10: relative-humidity curves ---------------------------------------------------------

void Renderer::relativeHumidity() {
  const bool transparent = s_->FontTransparent();
  for (int i = 1; i <= 10; ++i) {
    double prevT = minT_, prevW = row(minT_).AbsHum[i];
    bool leftTop = false;
    double crossT = 0;
    for (int t = minT_ + 1; t <= maxT_; ++t) {
      const double w = row(t).AbsHum[i];
      if (w > maxW_) {
        crossT = prevT + (maxW_ - prevW) / (w - prevW) * (t - prevT);
        line(prevT, prevW, crossT, maxW_, -1);
        line(crossT, maxW_, maxT_, maxW_, -1);  // the top border from here
        leftTop = true;
        break;
      }
      line(prevT, prevW, t, w, -1);
      prevT = t;
      prevW = w;
    }
    // The curve's humidity at T (linear between whole degrees).
    const auto curveAt = [this, i](double T) {
      int j = std::clamp(static_cast<int>(std::floor(T)), minT_, maxT_ - 1);
      const double f = T - j;
      return (1 - f) * row(j).AbsHum[i] + f * row(j + 1).AbsHum[i];
    };
    const QString text = QString::number(i * 10) + '%';
    const double w = textW(text);
    // Where the label's erased box would stand with its centre at c (pixels):
    // the text's box and the few pixels the erase takes beyond it.
    const auto boxAt = [w, this](QPointF c) {
      return textBox(c - QPointF(w / 2 + 3, th_ / 2 + 3), w + 6, th_ + 6, 0);
    };
    const auto free = [&](QPointF c) {
      return clearOf(boxAt(c),
                     {LabelKind::WetBulb, LabelKind::RelHumidity, LabelKind::HumidityAxis});
    };
    QPointF centre;
    bool placed = false;
    // Where the curve reaches W (linear between whole degrees), left of crossT.
    const auto curveTempAt = [this, i, crossT](double W) {
      for (int t = static_cast<int>(std::floor(crossT)); t >= minT_; --t) {
        const double w0 = row(t).AbsHum[i];
        if (w0 <= W) {
          const double w1 = t + 1 <= maxT_ ? row(t + 1).AbsHum[i] : w0;
          return w1 > w0 ? t + (W - w0) / (w1 - w0) : double(t);
        }
      }
      return double(minT_);
    };
    if (leftTop) {
      // Just under the top border, on the curve or right of it; a little lower
      // down the curve when the numbers of the wet bulbs are in the way.
      QPointF first;
      for (int step = 0; step < 6 && !placed; ++step) {
        const double Wl = maxW_ - (0.8 + 1.2 * step) * TH_;
        const QPointF onCurve = px(curveTempAt(Wl), Wl);
        const QPointF rightOf = onCurve + QPointF(w / 2 + sp_ / 2, 0);
        if (step == 0) first = rightOf;
        for (const QPointF& c : {onCurve, rightOf}) {
          if (user(c + QPointF(w / 2, 0)).x() <= maxT_ && free(c)) {
            centre = c;
            placed = true;
            break;
          }
        }
      }
      // Near the right border the curve is above the chart: keep it at the top.
      if (!placed && curveAt(maxT_ - SP_ - w / 2 * sx_) > maxW_) {
        centre = first;
        placed = true;
      }
    }
    if (!placed) {
      const double Tl = maxT_ - SP_ - w / 2 * sx_;
      centre = px(Tl, curveAt(Tl));
    }
    s_->setFontTransparent(false);
    printAtPixel(text, centre - QPointF(w / 2, th_ / 2), LabelKind::RelHumidity);
    s_->setFontTransparent(transparent);
  }
}

// ---- 11: wet-bulb title and axes -------------------------------------------------------

void Renderer::wetBulbTitleAndAxes() {
  const QString title = QString::fromUtf8(kWetBulbTitle) + m_.TempUnit;
  const double w = textW(title), h = th_;
  // The title stands in the free corner above the enthalpy scale, level with
  // the end of a leader that runs along the wet-bulb line of a numbered row,
  // across the scale between two of its numbers, to that row's number.
  QPointF v(k() / sx_, -1 / sy_);  // up-left along the wet-bulb lines
  v /= std::hypot(v.x(), v.y());
  const QRectF page(0, 0, W0_, H0_);
  std::vector<int> candidates = out_.wetBulbLabels;
  // Prefer numbers in the upper middle of the chart.
  std::sort(candidates.begin(), candidates.end(), [this](int a, int b) {
    return std::fabs(wsat(a) / maxW_ - 0.6) < std::fabs(wsat(b) / maxW_ - 0.6);
  });
  bool placed = false;
  for (size_t ci = 0; ci < candidates.size() && !placed; ++ci) {
    const int t = candidates[ci];
    QPolygonF numberBox;  // the number's box
    for (const DrawnLabel& l : out_.labels)
      if (l.kind == LabelKind::WetBulb && l.text == QString::number(t)) numberBox = l.box;
    if (numberBox.isEmpty()) continue;
    const QPointF start = numberBox.boundingRect().center() +
                          v * (numberBox.boundingRect().width() / 2 + 3);  // arrow tip
    // Walk out along the leader until the title clears every printed text.
    for (double d = 2 * h; d < W0_ && !placed; d += h / 2) {
      const QPointF end = start + v * d;
      const QPointF at(end.x() - 4 - w, end.y() - h / 2);
      const QPolygonF box = textBox(at, w, h, 0);
      if (!page.contains(box.boundingRect())) break;
      // The leader must pass clear of the numbers too.
      QPolygonF leader;
      leader << start << end << end + QPointF(1, 1) << start + QPointF(1, 1);
      bool clear = true;
      for (const DrawnLabel& l : out_.labels) {
        if (overlaps(box, l.box) || (l.kind != LabelKind::WetBulb && overlaps(leader, l.box))) {
          clear = false;
          break;
        }
      }
      if (!clear) continue;
      const QPointF us = user(start), ue = user(end);
      line(ue.x(), ue.y(), us.x(), us.y(), -1);
      arrowHead(end, start, dev_.ForeColor);
      printAtPixel(title, at, LabelKind::WetBulbTitle);
      placed = true;
    }
  }
  // No leader fits: the title alone in the top-left corner.
  if (!placed) printAtPixel(title, QPointF(sp_, 0.5 * th_), LabelKind::WetBulbTitle);
  line(minT_, 0, maxT_, 0, -1);
  line(maxT_, 0, maxT_, maxW_, -1);
}

// Arrowhead at `to` for a segment from `from` (surface pixels): two strokes
// back from the tip at 45° either side of the segment, and the triangle they
// make, filled.
void Renderer::arrowHead(QPointF from, QPointF to, OleColor colour) {
  QPointF d = from - to;
  const double len = std::hypot(d.x(), d.y());
  if (len < 1e-9) return;
  d /= len;
  const double size = std::max(6.0, 5.0 * out_.pointRadius);
  const double c = std::cos(kPi / 4), sn = std::sin(kPi / 4);
  const QPointF left(d.x() * c - d.y() * sn, d.x() * sn + d.y() * c);
  const QPointF right(d.x() * c + d.y() * sn, -d.x() * sn + d.y() * c);
  const QPointF p1 = to + left * size, p2 = to + right * size;
  const QPointF ut = user(to), u1 = user(p1), u2 = user(p2);
  line(ut.x(), ut.y(), u1.x(), u1.y(), colour);
  line(ut.x(), ut.y(), u2.x(), u2.y(), colour);
  ChartDevice& d0 = *s_->Obj();
  const OleColor fill = d0.FillColor, fore = d0.ForeColor;
  const int style = d0.FillStyle, width = d0.DrawWidth;
  d0.FillColor = colour;
  d0.ForeColor = colour;
  d0.FillStyle = kFillSolid;
  d0.DrawWidth = 1;
  QPoint tri[3];
  const QPointF corners[3] = {to, p1, p2};
  for (int j = 0; j < 3; ++j) {
    int32_t x = static_cast<int32_t>(std::lround(corners[j].x()));
    int32_t y = static_cast<int32_t>(std::lround(corners[j].y()));
    s_->SetOriginalXY(x, y);
    tri[j] = QPoint(x, y);
  }
  FillPolygon(d0, tri, 3, 0);
  d0.FillColor = fill;
  d0.ForeColor = fore;
  d0.FillStyle = style;
  d0.DrawWidth = width;
}

// ---- 12: the process ---------------------------------------------------------------------

void Renderer::processOverlay() {
  ChartProcessData& p = m_.Process;
  for (ChartStatePoint& pt : p.point) pt.AbsHum = processAbsHum(pt.DryBulb, pt.WetBulb);

  const OleColor colour = p.Kind == 3 ? kProcessColorHeating : kProcessColorCooling;
  dev_.DrawWidth = 2;
  dev_.FillStyle = kFillSolid;
  dev_.FillColor = colour;
  dev_.ForeColor = colour;
  out_.pointRadius = static_cast<int>(nearestEven(0.002 * s_->OriginalWidth()));
  bool ok = false;
  const double tag = dev_.Tag.trimmed().toDouble(&ok);
  dev_.FontSize = ok && tag > 0 ? tag : kDefaultLabelFontSize;
  dev_.FontBold = true;
  s_->setFontTransparent(false);
  s_->AfterFontChange();
  th_ = dev_.textHeightPixels(QStringLiteral("0"));

  const auto same = [&p](int a, int b) {
    return std::fabs(p.point[a].DryBulb - p.point[b].DryBulb) < 1e-3 &&
           std::fabs(p.point[a].WetBulb - p.point[b].WetBulb) < 1e-3;
  };
  const bool withS = p.Kind > 1 && !same(kPointS, kPointT);
  const bool withADP = p.Kind < 3;
  bool drawn[kPointCount] = {true, true, true, withS, true, withADP};

  const auto at = [&p](int k) { return QPointF(p.point[k].DryBulb, p.point[k].AbsHum); };
  std::vector<std::pair<QPointF, QPointF>> segments;  // pixels
  const auto segment = [&](int a, int b) {
    line(at(a).x(), at(a).y(), at(b).x(), at(b).y(), colour);
    segments.emplace_back(px(at(a).x(), at(a).y()), px(at(b).x(), at(b).y()));
  };
  segment(kPointN, kPointM);
  segment(kPointM, kPointT);
  int last = kPointT;
  if (withS) {
    segment(kPointT, kPointS);
    last = kPointS;
  }
  segment(last, kPointX);
  const bool arrow =
      (same(kPointX, kPointM) && p.Kind == 1) || (same(kPointS, kPointT) && p.Kind == 3);
  if (arrow)
    arrowHead(px(at(last).x(), at(last).y()), px(at(kPointX).x(), at(kPointX).y()), colour);
  if (!same(kPointX, kPointM)) segment(kPointX, kPointM);
  if (withADP) segment(kPointT, kPointADP);

  const double r = out_.pointRadius;
  for (int k = 0; k < kPointCount; ++k) {
    out_.pointDrawn[k] = drawn[k];
    out_.pointPixel[k] = px(at(k).x(), at(k).y());
    out_.pointChart[k] = at(k);
    if (drawn[k]) s_->CircleP(false, at(k).x(), at(k).y(), r * sx_, colour);
  }
  std::vector<QRectF> placed;
  for (int k = 0; k < kPointCount; ++k)
    if (drawn[k]) placeProcessLabel(k, segments, placed);
}

// Beside its point: right or left, above or below. Each place is scored by
// what its erased box would cover: other points and labels of the process
// (never), process lines, the chart's numbers, the chart's borders; the
// nearer places are tried first and the farther ones only when all of those
// cover something.
void Renderer::placeProcessLabel(int k, const std::vector<std::pair<QPointF, QPointF>>& segments,
                                 std::vector<QRectF>& placed) {
  const QString text = pointLabel(k);
  const double w = textW(text), h = th_;
  const double gapX = 2 * sp_;
  const QPointF centre = out_.pointPixel[k];
  const QRectF plot(px(minT_, maxW_), px(maxT_, 0));
  // The erased box reaches a few pixels beyond the text (and the process
  // lines are two pixels wide).
  const auto eraseBox = [](const QRectF& text) { return text.adjusted(-3, -3, 5, 5); };
  const auto cost = [&](QPointF topLeft) {
    const QRectF box(topLeft, QSizeF(w, h));
    const QRectF erase = eraseBox(box);
    double c = 0;
    for (int j = 0; j < kPointCount; ++j) {
      if (j == k || !out_.pointDrawn[j]) continue;
      const double r = out_.pointRadius + 2;
      const QPointF q = out_.pointPixel[j];
      if (erase.intersects(QRectF(q.x() - r, q.y() - r, 2 * r, 2 * r))) c += 100;
    }
    for (const QRectF& other : placed)
      if (erase.intersects(eraseBox(other))) c += 100;
    for (const auto& seg : segments)
      if (segmentHitsRect(seg.first, seg.second, erase)) c += 40;
    const QPolygonF poly(erase);
    for (const DrawnLabel& l : out_.labels)
      if (l.kind != LabelKind::Process && overlaps(poly, l.box)) c += 15;
    if (!plot.contains(box)) c += 20;
    return c;
  };
  const double above = centre.y() - 1.2 * h, below = centre.y() + 0.5 * h;
  const double right = centre.x() + gapX, left = centre.x() - gapX - w;
  const QPointF nearPlaces[4] = {QPointF(right, above), QPointF(left, above), QPointF(right, below),
                                 QPointF(left, below)};
  const QPointF farPlaces[6] = {QPointF(right, centre.y() - 2.2 * h),
                                QPointF(left, centre.y() - 2.2 * h),
                                QPointF(right, centre.y() + 1.5 * h),
                                QPointF(left, centre.y() + 1.5 * h),
                                QPointF(centre.x() - w / 2, centre.y() - 1.8 * h),
                                QPointF(centre.x() - w / 2, centre.y() + 1.2 * h)};
  QPointF best = nearPlaces[0];
  double bestCost = std::numeric_limits<double>::max();
  const auto consider = [&](QPointF p, double order) {
    const double c = cost(p) + order;
    if (c < bestCost) {
      bestCost = c;
      best = p;
    }
  };
  for (int c = 0; c < 4; ++c) consider(nearPlaces[c], c * 0.01);
  if (bestCost >= 1)
    for (int c = 0; c < 6; ++c) consider(farPlaces[c], 1 + c * 0.01);
  placed.push_back(QRectF(best, QSizeF(w, h)));
  printAtPixel(text, best, LabelKind::Process);
}

// ---- the whole drawing ---------------------------------------------------------------------

bool Renderer::draw(bool english, int32_t minT, int32_t maxT, int32_t maxAbsHum) {
  if (!NormaliseRanges(english, minT, maxT, maxAbsHum)) return false;
  minT_ = m_.ChartMinTemp;
  maxT_ = m_.ChartMaxTemp;
  maxW_ = m_.ChartMaxAbsHum;

  // A fresh page in the chart's own font and colours.
  dev_.ForeColor = RGB(0, 0, 0);
  dev_.BackColor = RGB(255, 255, 255);
  dev_.FillStyle = kFillTransparent;
  dev_.DrawWidth = 1;
  dev_.FontSize = kChartFontSize;
  dev_.FontBold = false;
  dev_.FontTransparent = true;
  dev_.setScaleMode(kScalePixels);
  dev_.Cls();
  s_->Initialize(&dev_);

  measure();
  out_.rotated = s_->RotateAngle() == 90;
  out_.pixelWidth = static_cast<int>(std::lround(W0_));
  out_.pixelHeight = static_cast<int>(std::lround(H0_));
  if (!setScale()) return false;
  topCrossing();
  dryBulbLabels();
  humidityLabels();
  gridLines();
  enthalpyScale();
  wetBulbLabels();
  relativeHumidity();
  wetBulbTitleAndAxes();
  processOverlay();

  out_.scaleLeft = left_;
  out_.scaleTop = top_;
  out_.scaleWidth = s_->ScaleWidth();
  out_.scaleHeight = s_->ScaleHeight();
  out_.sx = sx_;
  out_.sy = sy_;
  out_.TH = TH_;
  out_.SP = SP_;
  out_.tTop = tTop_;
  out_.ok = true;
  m_.scaleReady = true;
  drawing() = out_;
  return true;
}

}  // namespace

QPointF DrawnChart::toPixel(double T, double W) const {
  return QPointF((T - scaleLeft) / sx, (scaleTop - W) / sy);
}
QPointF DrawnChart::toChart(QPointF pixel) const {
  return QPointF(scaleLeft + pixel.x() * sx, scaleTop - pixel.y() * sy);
}
QPointF DrawnChart::pixelToChart(QPoint pixel) const {
  return toChart(QPointF(pixel) + QPointF(0.5, 0.5));
}

double NiceStep(double x) {
  if (!(x > 1)) return 1;  // also NaN
  // 1, 2, 5, 10, 20, 50, …: the factors 2, 2.5, 2 over and over. A double
  // reaches any finite x in fewer than 1000 factors.
  static const double factors[3] = {2.0, 2.5, 2.0};
  double value = 1, q = x;
  for (int i = 0; q > 1 && i < 1000; ++i) {
    q /= factors[i % 3];
    value *= factors[i % 3];
  }
  return value;
}

const DrawnChart& lastDrawing() {
  return drawing();
}

void restoreDrawing(const DrawnChart& kept) {
  drawing() = kept;
}

double processAbsHum(double DryBulb, double WetBulb) {
  ChartModule& m = chartModule();
  if (!m.ChartData || m.ChartMaxTemp <= m.ChartMinTemp) return kNaN;
  const clsDataPoints& t = *m.ChartData;
  int i0 = static_cast<int>(std::floor(WetBulb));
  i0 = std::clamp(i0, m.ChartMinTemp, m.ChartMaxTemp - 1);
  const auto y = [&t, DryBulb](int r) {
    const ChartRow& row = t.row(r);
    return (row.TempX0 - DryBulb) * row.AbsHum[10] / (row.TempX0 - r);
  };
  const double f = (i0 + 1) - WetBulb;
  return f * y(i0) + (1 - f) * y(i0 + 1);
}

bool DrawPsychrometricChart(ChartDevice& Device, bool Rotated, bool English, int32_t MinTemp,
                            int32_t MaxTemp, int32_t MaxAbsHum) {
  drawing() = DrawnChart();
  chartModule().scaleReady = false;
  try {
    Renderer r(Device, Rotated);
    return r.draw(English, MinTemp, MaxTemp, MaxAbsHum);
  } catch (const std::out_of_range&) {
    // A row outside the table: the drawing stops, the page keeps what it has.
    return false;
  }
}

ChartReadout ReadoutAt(double X, double Y, double onCurve) {
  ChartReadout r;
  const QString none = QStringLiteral("---");
  r.TempD = r.TempW = r.AbsHum = r.Enth = r.RelHum = none;
  r.tempD = r.tempW = r.absHum = r.enth = r.relHum = kNaN;
  const ChartModule& m = chartModule();
  if (!m.ChartData || !m.scaleReady) return r;
  const clsDataPoints& t = *m.ChartData;
  const int minT = m.ChartMinTemp, maxT = m.ChartMaxTemp;
  const double k = t.TempVsAbsHum();
  const QString one = QStringLiteral("0.0");

  r.tempD = X;
  r.TempD = FormatNumber(X, one);
  r.absHum = Y;
  r.AbsHum = FormatNumber(Y, one);

  // Wet bulb: the foot of the wet-bulb line through the point, between the
  // feet of the whole degrees around it.
  const double x0 = X - Y * k;
  if (Y >= 0) {
    for (int i = minT; i <= maxT; ++i) {
      const double xi = t.row(i).TempX0;
      if (xi >= x0) {
        if (i > minT) {
          const double xp = t.row(i - 1).TempX0;
          r.tempW = i - (xi - x0) / (xi - xp);
        } else if (xi == x0) {
          r.tempW = i;
        }
        break;
      }
    }
    if (!std::isnan(r.tempW)) r.TempW = FormatNumber(r.tempW, one);
  }

  // Enthalpy: that of the air at the point itself. (Following the point's
  // wet-bulb line to the enthalpy scale would read the enthalpy of the
  // saturated air where that line leaves the scale: wet-bulb lines are not
  // lines of constant enthalpy, and the scale stands far from the curve's
  // lower part, so that reading runs up to 2 kJ/kg high at summer design
  // states and 3 kJ/kg elsewhere.)
  r.enth = chartEnthalpy(&t == m.EnglishChartData.get(), X, Y);
  r.Enth = FormatNumber(r.enth, one);

  // Relative humidity between the curves of the whole tens.
  if (Y >= 0 && X >= minT && X <= maxT) {
    const int i0 = std::min(static_cast<int>(std::floor(X)), maxT - 1);
    const double f = X - i0;
    const ChartRow& lo = t.row(i0);
    const ChartRow& hi = t.row(i0 + 1);
    const auto w = [&](int i) { return i == 0 ? 0.0 : (1 - f) * lo.AbsHum[i] + f * hi.AbsHum[i]; };
    if (w(10) < Y && Y <= w(10) + onCurve) {
      r.relHum = 100;  // within the readout's resolution of the saturation curve
      r.RelHum = FormatNumber(r.relHum, QStringLiteral("0")) + '%';
    } else if (w(10) >= Y) {
      for (int i = 9; i >= 0; --i) {
        const double wi = w(i);
        if (wi <= Y) {
          const double span = w(i + 1) - wi;
          r.relHum = ((span > 0 ? (Y - wi) / span : 0) + i) * 10;
          r.RelHum = FormatNumber(r.relHum, QStringLiteral("0")) + '%';
          break;
        }
      }
    }
  }
  return r;
}

ChartReadout ReadoutAtPixel(QPoint pixel) {
  const DrawnChart& d = drawing();
  if (!d.ok) return ReadoutAt(0, 0);  // all "---"
  const QPointF centre = QPointF(pixel) + QPointF(0.5, 0.5);
  for (int k = 0; k < kPointCount; ++k) {
    if (!d.pointDrawn[k]) continue;
    const QPointF off = centre - d.pointPixel[k];
    if (std::hypot(off.x(), off.y()) <= d.pointRadius + 1)
      return ReadoutAt(d.pointChart[k].x(), d.pointChart[k].y(), d.sy / 2);
  }
  const QPointF at = d.toChart(centre);
  return ReadoutAt(at.x(), at.y(), d.sy / 2);
}

}  // namespace aeriton::chart
