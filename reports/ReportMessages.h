#pragma once
// The messages of the workbooks and of printing: a missing template, no
// converter for preview and print, a conversion that failed or ran out of
// time, a workbook that could not be written, no printer, and the questions
// and notices of the print dialog's file name.

#include <QString>

#include "study/MessageService.h"

namespace aeriton::reports {

// Message codes (negative: refusals and questions; positive: notices).
constexpr int kMissingTemplate = -601;
constexpr int kNoConverter = -602;
constexpr int kConversionFailed = -603;
constexpr int kConversionTimedOut = -604;
constexpr int kSaveFailed = -605;
constexpr int kNoPrinter = -606;
constexpr int kPrintFailed = -607;
constexpr int kOverwriteQuestion = -610;
constexpr int kWorkbookNotice = 611;
constexpr int kSavedNotice = 612;
// A printer choice the user cancelled: nothing is printed.
constexpr int kPrinterChoiceCancelled = 327;

// Title and text of the missing-template message.
inline constexpr char kMissingTemplateTitle[] =
    "Η ΕΚΤΥΠΩΣΗ - μέσω του Microsoft Excel - ΔΕΝ ΕΙΝΑΙ ΔΥΝΑΤΗ";
inline constexpr char kMissingTemplateText[] = "... Λείπει κάποιο βασικό Αρχείο ...";

// "... Λείπει κάποιο βασικό Αρχείο ...", exclamation icon.
Message missingTemplateMessage();
// LibreOffice (the converter of preview and print) is not installed.
Message noConverterMessage();
// The conversion ended without a PDF; detail says what the converter said.
Message conversionFailedMessage(const QString& detail);
// The conversion did not finish within its time limit (seconds).
Message conversionTimedOutMessage(int seconds);
// The workbook could not be written to path.
Message saveFailedMessage(const QString& path, const QString& reason);
// No printer is installed (or the chosen one is gone).
Message noPrinterMessage(const QString& printerName);
// The printer refused the job.
Message printFailedMessage(const QString& printerName);
// The print dialog's file name: asked before saving over an existing workbook.
Message overwriteQuestion(const QString& name);
// The print dialog's file name: a workbook will be written.
Message workbookNotice();
// The workbook was written to path.
Message savedNotice(const QString& path);

}  // namespace aeriton::reports
