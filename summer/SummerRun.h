#pragma once
// The work of the calculate button after its checks, without the screen:
//   1. the loads to kcal/h, written to "SUM_KCALH.tmp" and read back;
//   2. the outdoor-hotter / outdoor-cooler flags;
//   3. the kind code and flags (full recirculation carries 0.1 as its amount);
//   4. the fresh-air value of the selected mode;
//   5. the unit codes ("BTU": loads back to Btu/h);
//   6. "PSY_DAT.TMP", then the calculation from that file (calculateData);
//   7. on success "PSY_RES.TMP".
// calculateData is also the whole of the batch calculator, so the screen and
// the batch share one code path from the data file on.

#include <QByteArray>
#include <QString>

#include "study/MessageService.h"
#include "study/StudyState.h"
#include "summer/SummerCalc.h"

namespace aeriton::summer {

inline const char* kLoadsFileName = "SUM_KCALH.tmp";

// The values of the summer data screen, as numbers, after its checks.
struct SummerRunInput {
  // Outdoor and room states in the study's temperature unit, RH in per cent
  // (the screen has completed the wet bulb or the humidity).
  float envDB = 0, envWB = 0, envRH = 0;
  float spaDB = 0, spaWB = 0, spaRH = 0;
  // Room loads as typed, in the load unit.
  double sensible = 0, latent = 0;
  QString loadUnit = QStringLiteral("WATT");  // "WATT", "KCAL", "KW", "RT", "BTUh", "BTU"
  int kindIndex = 0;                          // 0 "AAA_NA", 1 "AA_100", 2 "NA_PAF", 3 "NA_DPF"
  bool perCentMode = false;  // per cent of the supply air ("P"); else an amount ("C")
  float amount = 0;          // m³/h, or CFM with "BTU"
  float perCent = 0;         // 1 .. 85
};

struct RunOutcome {
  int code = kCodeOk;
  Message message;  // what to show when refused (empty text: nothing to show)
  QString detail;   // file errors and the like, for logs and the batch
  bool heating = false;
  bool ok() const { return code == kCodeOk; }
};

// A load typed in a load unit, in kcal/h (W × 0.8598554730415344, kW ×
// 859.85546875, RT × 12000 / 3.970923, Btu/h ÷ 3.9709229469299316).
double loadToKcal(double value, const QString& loadUnit);

// The one line of "SUM_KCALH.tmp": both loads in kcal/h, as doubles.
QByteArray loadsFileBytes(double sensibleKcal, double latentKcal);
// Reads it back: two numbers that a single can hold (the study keeps its loads
// as singles). False, with the reason in *error, for anything else.
bool readLoadsFile(const QByteArray& bytes, double& sensibleKcal, double& latentKcal,
                   QString* error = nullptr);

// Steps 2 to 5: fills the study's inputs from the screen values and the loads
// read back (kcal/h), ready for "PSY_DAT.TMP".
void prepareStudy(const SummerRunInput& in, double sensibleKcal, double latentKcal, StudyState& s);

// From the data file on: reads it, computes (summer, or the winter calculation
// for a heating case), converts a metric study back and leaves the results in
// the study in its own units, ready for resultsFileBytes. On a refusal the
// outcome carries the message and nothing should be written.
RunOutcome calculateData(const QByteArray& dataBytes, StudyState& s,
                         const winter::ContinueQuestion& ask = nullptr);

// The whole calculate button after the checks, in the program folder:
// "SUM_KCALH.tmp", "PSY_DAT.TMP", the calculation and, on success,
// "PSY_RES.TMP". The caller shows outcome.message when it is refused.
RunOutcome runCalculation(const SummerRunInput& in, StudyState& s,
                          const winter::ContinueQuestion& ask = nullptr);

// The winter question (-102) asked through the message service: "YES" goes on.
winter::ContinueQuestion askThroughMessages();

}  // namespace aeriton::summer
