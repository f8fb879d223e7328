#pragma once
// The outdoor-air loads window of the results screen: the sensible and the
// latent load that the fresh air brings to the coil, in the load unit the
// results screen shows.

#include <QDialog>

#include "summer/ResultsView.h"

namespace aeriton::summer {

class FrmPsFa : public QDialog {
  Q_OBJECT
 public:
  FrmPsFa(const ResultsView& view, QWidget* parent = nullptr);
};

}  // namespace aeriton::summer
