#pragma once
// The messages of the summer calculation: its refusals (the fresh air that is
// too much for a 100 % fresh-air unit, a coil outlet below freezing, a search
// that reached its bound, a division by zero, a heating case without its coil
// outlet temperature or summer flow, a data file that cannot be read) and the
// messages of the winter calculation that a heating case can meet on the way.

#include "study/MessageService.h"
#include "summer/SummerCalc.h"

namespace aeriton::summer {

Message freshAirExcessiveMessage();   // -15
Message negativeCoilOutletMessage();  // coil outlet below 32 °F or negative enthalpy
Message searchBoundMessage(Search search);
Message divisionByZeroMessage();
Message heatingUnsetMessage();
Message badDataMessage(const QString& why);
// Winter codes met by a heating case.
Message supplyTooHotMessage();                     // supply above 150 °F (-100)
Message supplyQuestionMessage(float supplyTempF);  // supply above 131 °F: go on? (-102)
Message tooMuchFreshAirMessage();                  // -2003
Message winterRefusalMessage(int code);            // the other winter codes

// The message of a refused calculation. `declined` (the -102 question
// answered "no") ends without a message: the returned message has code 0.
Message messageForResult(const CalcResult& result, const QString& detail = QString());

}  // namespace aeriton::summer
