#pragma once
// The title window shown when the program starts: program name, what it does,
// version and maker. It closes by itself a moment after it becomes active, or
// at once when the user clicks it or its button.

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

class QPushButton;

namespace aeriton::shell {

class FrmTitle : public QDialog {
  Q_OBJECT
 public:
  explicit FrmTitle(QWidget* parent = nullptr);

  // How long the window stays after it becomes active (0.2 s).
  static constexpr int kShowMs = 200;
  // A window manager that never activates the window must not keep the
  // program waiting: the window then closes this long after it was shown.
  static constexpr int kNoActivationMs = 2000;

  // Milliseconds from activation (or showing) to closing; -1 while open.
  qint64 shownForMs() const { return shownFor_; }
  bool closedByUser() const { return closedByUser_; }

 protected:
  bool event(QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  void finish(bool byUser);

  QTimer closeTimer_;
  QTimer fallbackTimer_;
  QElapsedTimer since_;
  qint64 shownFor_ = -1;
  bool closedByUser_ = false;
  bool activated_ = false;
};

}  // namespace aeriton::shell
