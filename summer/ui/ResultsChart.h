#pragma once
// The chart button of the results screen (CmdPSPlot): the results file read
// again, the chart table read, the process handed to the chart and the chart
// window opened with the default ranges of the study's units and season.

class QWidget;

namespace aeriton::summer {

// False when the chart could not be opened (a message has said why: the
// results file or the chart table could not be read); the screen stays as it was.
bool openChartFromResults(QWidget* parent);

}  // namespace aeriton::summer
