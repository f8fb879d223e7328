#include "register/ui/DesignerRegister.h"

// Placeholder until the register windows land: the default designer stays.
namespace aeriton::designer {

void openRegister(QWidget*) {}

}  // namespace aeriton::designer
