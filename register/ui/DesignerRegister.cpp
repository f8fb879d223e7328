#include "register/ui/DesignerRegister.h"

#include "register/ui/FrmCLient.h"

namespace aeriton::designer {

void openRegister(QWidget* parent) {
  FrmCLient window(parent);
  if (!window.load()) return;
  window.askPassword();
  window.exec();
}

}  // namespace aeriton::designer
