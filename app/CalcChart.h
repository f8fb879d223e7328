#pragma once
// The chart part of aeriton-calc: the chart of a study's results drawn
// without a window into a PNG, SVG or PDF file.

#include <QByteArray>
#include <QSize>
#include <QString>

#include "study/StudyState.h"

namespace aeriton::calc {

struct ChartOptions {
  QString output;    // --chart OUT.png|OUT.svg|OUT.pdf
  QString sizeText;  // --size WxH
  bool wanted() const { return !output.isEmpty(); }
};

// Checks the options before anything is computed. 0 when they can be used,
// else the exit status (2) with *why set.
int checkChartOptions(const ChartOptions& options, QString* why);

// Draws the chart of the results (the bytes of a results or study file) into
// options.output. `calc` is the study state of the calculation that made them
// (its coil dew point is the one the results screen shows), or an empty state
// for results read from a file. Starts Qt's graphics on the offscreen platform unless a
// platform is named. Returns the exit status: 0 written, 2 the chart table or
// the output file could not be read or written, 3 malformed results. *why
// says what went wrong.
int drawChartOfResults(const QByteArray& results, const StudyState& calc,
                       const ChartOptions& options, int& argc, char** argv, QString* why);

}  // namespace aeriton::calc
