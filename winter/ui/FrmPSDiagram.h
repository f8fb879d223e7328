#pragma once
// The process-diagram screens ("Σχηματική Διάταξη Θερμοκρασιών"): a drawing
// of the air-handling unit with the air states along it, their values, and
// the preview and print of the diagram workbook.
//
//   FrmPSHum    winter: M -> heating coil -> T -> humidifiers -> S
//   FrmPSNoHum  summer without reheat: M -> cooling coil -> T
//   FrmPSReh    summer with reheat: M -> cooling coil -> T -> reheat -> S
//
// Fields TxtDB_M, TxtWB_M, Txt_h_M, ... _T, ... _S (read-only); buttons
// CmdPreview, CmdPrint, SSCommand1 (close); LblWait while a workbook is made.
// Shown modally by the results screen's diagram button.

#include <QDialog>

#include "reports/DiagramWorkbook.h"
#include "study/StudyState.h"

class QLabel;
class QLineEdit;

namespace aeriton::winter {

class FrmPSDiagram : public QDialog {
  Q_OBJECT
 public:
  // results: the study's results in its own units (as the results file
  // holds them); loadUnit: its load-unit code.
  FrmPSDiagram(QWidget* parent, const StudyState& results, const QString& loadUnit,
               reports::DiagramKind kind);

  const reports::DiagramData& data() const { return data_; }
  // The writer of this diagram's workbook, with the designer and title now.
  reports::CellMap workbookCells() const;

  // The buttons (public for the tests). True when the output was made.
  bool CmdPreview_Click();
  bool CmdPrint_Click();

  // Where a state's mark sits on the drawing (x in the drawing's pixels).
  int stateX(int index) const;

 private:
  void buildUi();
  bool output(bool print);

  reports::DiagramData data_;
  QString title_;
  QLabel* wait_ = nullptr;
  QWidget* picture_ = nullptr;
  std::vector<QWidget*> stateGroups_;
};

class FrmPSHum : public FrmPSDiagram {
  Q_OBJECT
 public:
  FrmPSHum(QWidget* parent, const StudyState& results, const QString& loadUnit);
};

class FrmPSNoHum : public FrmPSDiagram {
  Q_OBJECT
 public:
  FrmPSNoHum(QWidget* parent, const StudyState& results, const QString& loadUnit);
};

class FrmPSReh : public FrmPSDiagram {
  Q_OBJECT
 public:
  FrmPSReh(QWidget* parent, const StudyState& results, const QString& loadUnit);
};

// Opens the screen of the results' diagram (reports::diagramKindFor) modally.
void openDiagramScreen(QWidget* parent, const StudyState& results, const QString& loadUnit);

// Makes the results screen's diagram button open these screens (program start).
void installDiagramScreens();

}  // namespace aeriton::winter
