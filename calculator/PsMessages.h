#pragma once
// The messages of the two-state calculator (its MessagesLC and CalcsDone).
// The screen shows them through the message service; the batch calculator
// prints the same texts.
//
// Codes of MessagesLC:
//   1  missing data, no calculation          2  missing data, no file
//   3  no calculation yet (press < Υπολογισμός >)
//   4  question: new study? (Yes/No, No the default)
//   5  a state that is no state of moist air inside the table
//   6  the workbook may not take the template's name
//   7  no study title
//   8  a ".psy" file that cannot be read    10  a file that cannot be written
// and kCodeCalcsDone for the calculation already on the screen.

#include <QString>

#include "study/MessageService.h"

namespace aeriton::calculator {

constexpr int kCodeOutOfRange = 5;
constexpr int kCodeFileUnreadable = 8;
constexpr int kCodeFileUnwritable = 10;
constexpr int kCodeCalcsDone = 11;

// MessagesLC for the codes 1, 2, 3, 4, 6 and 7 of the table above.
Message messagesLC(int code);
// Code 5: the inlet (or outlet) state is outside what the calculator can
// compute; the limits are quoted in the screen's temperature unit.
Message outOfRangeMessage(bool inlet, bool metric);
// Code 8: the file `fileName` is damaged, truncated, foreign or unreadable;
// `reason` is one Greek line saying which.
Message fileUnreadableMessage(const QString& fileName, const QString& reason);
// Code 10: the file could not be written (`detail` from the system).
Message fileUnwritableMessage(const QString& fileName, const QString& detail);
// CalcsDone.
Message calcsDoneMessage();

}  // namespace aeriton::calculator
