#include "reports/ui/WorkbookRunner.h"

// Placeholder until the workbook component lands: nothing is produced.
namespace aeriton::reports {

bool runWorkbook(QWidget*, const QString&, const CellMap&, OutputMode, const OutputOptions&) {
  return false;
}

}  // namespace aeriton::reports
