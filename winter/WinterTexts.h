#pragma once
// The Greek texts of the winter data screen and of its messages, exactly as
// the program shows them.

#include <QString>
#include <QStringList>

namespace aeriton::winter::texts {

QString caption();       // window caption
QString climateFrame();  // frame of the six climate fields
QString envDB();
QString envWB();
QString envRH();
QString spaDB();
QString spaWB();
QString spaRH();
QString sensLoad();
QString unitsCaption();     // LblUnits
QString kindCaption();      // LblKind
QString kindyCaption();     // LblKindy
QString coilOutLabel();     // LblTo
QString perCelsius();       // "σε [ °C ]"
QString perFahrenheit();    // "σε [ °F ]"
QString summerFlowLabel();  // LblSF
QString perM3h();           // "σε [ m³/h ]"
QString perCfm();           // "σε [ CFM ]"
QString freshAmount();      // OptAmount
QString freshPerCent();     // OptPerCent
QString titleCaption();     // LblThema until a title is given
QString cmdWB();            // CmdWBn / CmdWBx
QString cmdRH();            // CmdRHn / CmdRHx
QString placeholder();      // "will be computed"
QStringList unitTexts();    // CboUnits 0..5
QStringList kindTexts();    // CboKind 0..3
QStringList kindCodes();    // "AAA_NA", "AA_100", "NA_PAF", "NA_DPF"
QStringList kindyTexts();   // CboKindy 0..1
QString recentFilesName();  // "RecentFiles.txt"
QString noRecentFiles();
QString cmdAeriton();
QString cmdThema();
QString psDataName();  // "PSDATA.TMP"
QString cmdPSOpen();
QString cmdPS();
QString cmdManual();
QString cmdExit();
QString waitText();  // TxtWait

// Messages.
QString inputTitle();              // title of the refusals of the checks
QString envWBRefused();            // -2
QString spaWBRefused();            // -5
QString sensRefused();             // -7
QString envDBRange(bool english);  // -10
QString envRHRange();              // -11
QString spaDBRange(bool english);  // -12
QString spaRHRange();              // -13
QString difference(bool english);  // -14
QString missingTitle();            // title of the notices 1-5
QString missingRooms();            // 1
QString missingFresh();            // 2, 3
QString missingCoilOut();          // 4
QString missingSummerFlow();       // 5
QString noTitleText();
QString noTitleTitle();
QString hotTitle();                            // -102
QStringList hotLines(const QString& supplyC);  // -102, the supply temperature in °C as shown
QString tooHotTitle();                         // -100
QStringList tooHotLines();                     // -100
QString badDataTitle();                        // -2003
QString tooMuchFreshAir();                     // -2003
QString cannotComputeLine();  // "the calculations will not be done" (the last line of -100)

}  // namespace aeriton::winter::texts
