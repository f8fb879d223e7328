#pragma once
// The run of a winter calculation: the inputs go to "PSY_DAT.TMP", the
// calculation reads them back, converts a metric study to English units,
// computes, converts back, and the results go to "PSY_RES.TMP".
//
// The batch calculator runs a data file with
//   RunOutcome out = winter::calculateWinterData(bytes, [yes](float) { return yes; }, study());
// and ends with out.code: 0 and out.results holding the bytes of the results
// file; kCodeFileError for a data file that cannot be read (out.message names
// the line); another negative code for a refusal, out.showMessage saying
// whether out.message explains it (a declined -102 question ends as -100
// without a message).

#include <QByteArray>

#include "study/MessageService.h"
#include "study/StudyState.h"
#include "winter/WinterCalc.h"

namespace aeriton::winter {

// Metric study to English units, in place: the outdoor and room dry and wet
// bulbs and the chosen coil outlet temperature °C -> °F, the fresh-air amount
// and the summer flow m³/h -> CFM (all to one decimal), the loads kcal/h ->
// Btu/h. Relative humidities are per cent in both systems.
void Convert_British(StudyState& s);
// Back after the calculation: every dry and wet bulb °F -> °C (one decimal;
// markers stay), enthalpies Btu/lb -> kcal/kg, flows CFM -> m³/h (one decimal),
// loads and capacities Btu/h -> kcal/h. Grains stay grains/lb.
void Convert_Metric(StudyState& s);

struct CalculateResult {
  int code = 0;             // 0, or the refusal
  WinterCalcDetail detail;  // the -102 question and its answer
  QString error;            // why the data could not be read
};

// The winter path of the calculation on the bytes of "PSY_DAT.TMP": the
// study receives the inputs and, when the code is 0, the results in English
// units with the relative humidities in per cent.
CalculateResult Calculate(const QByteArray& dataBytes, StudyState& s, const ContinueQuestion& ask);

struct RunOutcome {
  int code = 0;              // 0 when "PSY_RES.TMP" was written
  bool showMessage = false;  // message explains a refusal
  Message message;
  QByteArray results;  // bytes of "PSY_RES.TMP" when code is 0
};

// The calculate button after its checks: the study holds the collected
// inputs in its own units. Writes "PSY_DAT.TMP", calculates, writes
// "PSY_RES.TMP". The study then holds the results in its own units.
RunOutcome runWinterStudy(StudyState& s, const ContinueQuestion& ask);

// The same from the bytes of a data file (the batch calculator, or a summer
// data file whose outdoor air is colder than the room).
RunOutcome runWinterFromDataFile(const QByteArray& dataBytes, const ContinueQuestion& ask);
RunOutcome runWinterFromDataFile(const QByteArray& dataBytes, const ContinueQuestion& ask,
                                 StudyState& s);
// The same without writing "PSY_RES.TMP": the results are in out.results.
RunOutcome calculateWinterData(const QByteArray& dataBytes, const ContinueQuestion& ask,
                               StudyState& s);

// The question -102 through the message service: true on "YES".
bool askThroughMessages(float supplyTempF);

}  // namespace aeriton::winter
