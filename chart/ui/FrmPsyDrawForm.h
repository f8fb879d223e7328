#pragma once
// The chart window: the psychrometric chart of the study with its process,
// always maximised, and a readout of the point under the mouse (dry bulb,
// wet bulb, absolute humidity, enthalpy, relative humidity). The chart is
// drawn once the window first shows, and again whenever its size changes.
// A tool bar saves the chart as PNG, SVG or PDF and prints it.

#include <QDialog>
#include <QImage>
#include <QString>
#include <cstdint>
#include <functional>

#include "chart/ChartExport.h"
#include "chart/PsyDraw.h"

class QLabel;
class QPrinter;

namespace aeriton::chart {

// The drawing area: the chart as last drawn, at the area's size.
class ChartCanvas : public QWidget {
  Q_OBJECT
 public:
  explicit ChartCanvas(QWidget* parent);
  // Draws the chart into `image` (logical pixels `size`); true when drawn.
  using Drawer = std::function<bool(QImage& image, QSize size)>;
  void setDrawer(Drawer drawer) { drawer_ = std::move(drawer); }
  // Until armed the area stays empty; armed, it draws now and on every resize.
  void arm();
  bool armed() const { return armed_; }
  void redraw();
  void scheduleRedraw();
  bool drawnOk() const { return ok_; }
  int drawings() const { return drawings_; }
  const QImage& image() const { return image_; }

 signals:
  void mouseMovedTo(QPoint pixel);
  void redrawn();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;

 private:
  Drawer drawer_;
  QImage image_;
  bool armed_ = false;
  bool pending_ = false;
  bool ok_ = false;
  int drawings_ = 0;
};

class frmPsyDrawForm : public QDialog {
  Q_OBJECT
 public:
  explicit frmPsyDrawForm(QWidget* parent = nullptr);

  // The four values of the drawing.
  void SetData(bool English, int32_t MinTemp, int32_t MaxTemp, int32_t MaxAbsHum);
  bool english() const { return english_; }

  bool drawn() const { return drawn_; }  // the first activation has drawn the chart
  ChartCanvas* canvas() const { return canvas_; }

  // The readout for a point of the drawing area (pixels) or of the chart
  // (chart units).
  void readoutAtPixel(QPoint pixel);
  void Form_MouseMove(double X, double Y);

  // Saving and printing (the tool bar's actions without their dialogs). A
  // failure is reported through the message service.
  bool exportTo(const QString& path, ExportFormat format);
  bool printTo(QPrinter& printer);

  // The tool bar's dialogs, replaceable for tests: the save-file dialog
  // returns the chosen path (empty: cancelled), the print dialog true to print.
  using SaveFileDialog = std::function<QString(QWidget* parent, const QString& caption,
                                               const QString& path, const QString& filter)>;
  using PrintDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;
  static void setSaveFileDialog(SaveFileDialog dialog);
  static void setPrintDialog(PrintDialog dialog);

 protected:
  void showEvent(QShowEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void Form_Load();
  void Form_Activate();
  bool drawInto(QImage& image, QSize size);
  void showReadout(const ChartReadout& r);
  void setCaptions();
  void exportWithDialog(ExportFormat format);
  void printWithDialog();

  bool english_ = false;
  int32_t minTemp_ = 0, maxTemp_ = 0, maxAbsHum_ = 0;
  bool drawn_ = false;
  bool busy_ = false;
  ChartCanvas* canvas_ = nullptr;
  QLabel* captions_[5] = {};
  QLabel* values_[5] = {};
};

// Prints the chart on one page of the printer: a portrait page takes the chart
// turned by 90° (clsDrawRot90), a landscape page takes it as it is. The
// chart's drawing state is left as it was.
bool printChart(QPrinter& printer, const ChartRequest& request);

// ShowChart: opens the chart window modally with the four values.
int ShowChart(QWidget* parent, bool English, int32_t MinTemp, int32_t MaxTemp, int32_t MaxAbsHum);

}  // namespace aeriton::chart
