#pragma once
// The designer printed on every workbook: the name chosen from the designer
// register for this run, or the installation's default name when none was
// chosen.

#include <QString>

namespace aeriton::designer {

// The name the workbooks print now.
QString current();
// Chooses a name for the rest of the run (an empty name restores the default).
void choose(const QString& name);
// The installation's default designer: the first name of the register, or
// empty when there is none.
QString defaultName();

}  // namespace aeriton::designer
