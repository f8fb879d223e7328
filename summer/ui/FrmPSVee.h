#pragma once
// The request window of a raised supply-air temperature: the engineer types
// the new temperature in the study's temperature unit; OK checks it against
// the room and the present supply air and writes it to "PSY_VEE.TMP"; a
// refused value stays in the box. Cancel writes nothing.

#include <QDialog>

#include "study/MessageService.h"
#include "summer/Raise.h"

class QLabel;
class QPushButton;

namespace aeriton {
class NumericBox;
}

namespace aeriton::summer {

// The message of a refused temperature (code: -1, -2 or -3 for the three checks;
// -4 is the request file that could not be written).
Message raiseRefusalMessage(RaiseCheck check, bool metric);

class FrmPSVee : public QDialog {
  Q_OBJECT
 public:
  // roomDB and presentOutlet in the study's units; metric selects °C or °F.
  FrmPSVee(float roomDB, float presentOutlet, bool metric, QWidget* parent = nullptr);

  // CmdOK: true when the value was accepted and written.
  bool confirm();

 private:
  float roomDB_;
  float presentOutlet_;
  bool metric_;
  NumericBox* box_ = nullptr;
};

}  // namespace aeriton::summer
