#pragma once
// The one entry to the workbook component for every screen that prints: fill
// a template from the program folder with a writer's cells, then print,
// preview or save it. Messages (missing template, no converter, unwritable
// file) go through the message service.

#include "reports/Workbook.h"

class QWidget;

namespace aeriton::reports {

// Returns true when the requested output was produced.
bool runWorkbook(QWidget* parent, const QString& templateName, const CellMap& cells,
                 OutputMode mode, const OutputOptions& options);

}  // namespace aeriton::reports
