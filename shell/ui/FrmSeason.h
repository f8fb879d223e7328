#pragma once
// The season window: summer (cooling) or winter (heating) design.
//
// OK sets CoolingProcess and clears HeatingProcess for summer, the reverse for
// winter; Cancel (or closing the window) clears both, which the start-up reads
// as "no season chosen". On loading it makes sure the remembered study folder
// file "~orvo.psy" exists.

#include <QDialog>

#include "shell/Season.h"

class QRadioButton;
class QPushButton;

namespace aeriton::shell {

class FrmSeason : public QDialog {
  Q_OBJECT
 public:
  explicit FrmSeason(QWidget* parent = nullptr);

  // The season the window ended with (None after Cancel).
  Season chosen() const { return chosen_; }

  void accept() override;
  void reject() override;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  QRadioButton* summer_;
  QRadioButton* winter_;
  Season chosen_ = Season::None;
};

// Shows the season window modally and returns the season chosen.
Season runSeasonWindow(QWidget* parent = nullptr);

}  // namespace aeriton::shell
