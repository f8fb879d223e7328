#pragma once
// The designer register window, opened from the print dialog and from the
// two-state calculator. The name chosen there is kept for the run
// (register/Designer.h) and printed on every workbook.

class QWidget;

namespace aeriton::designer {

// Opens the register modally over the parent.
void openRegister(QWidget* parent);

}  // namespace aeriton::designer
