#pragma once
// A plain data screen for a season whose own data screen is not part of the
// build: it shows the study title (LblThema) with its title button (CmdThema)
// and the exit button (SSCommand3) that hands over to the exit-or-change
// request, so that the whole road from start-up to exit works.

#include <QDialog>

#include "shell/Season.h"

namespace aeriton::shell {

class StandInDataScreen : public QDialog {
  Q_OBJECT
 public:
  explicit StandInDataScreen(Season season, QWidget* parent = nullptr);
  Season season() const { return season_; }

 protected:
  void closeEvent(QCloseEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  Season season_;
};

}  // namespace aeriton::shell
