#pragma once
// The messages of the summer data screen, as Message values for the shared
// message service: the refusal and question table (MessagesPS, negative codes)
// and the missing-entry notices (PSMessage, codes 1-3). The checks
// (summer/SummerChecks.h) name the field that receives the focus afterwards.

#include <QString>

#include "study/MessageService.h"
#include "summer/SummerEntry.h"

namespace aeriton::summer {

// Codes of MessagesPS (refusals and questions) and PSMessage (missing entries).
enum Code : int {
  kRaisedSupplyQuestion = -100,
  kFreshAirExcessive = -15,
  kNeedTempDifference = -14,
  kRoomRHRange = -13,
  kRoomDBRange = -12,
  kOutdoorRHRange = -11,
  kOutdoorDBRange = -10,
  kUnsavedQuestion = -8,
  kSensibleLoad = -7,
  kRoomRH = -6,
  kRoomWB = -5,
  kRoomDB = -4,
  kOutdoorRH = -3,
  kOutdoorWB = -2,
  kOutdoorDB = -1,
  kNoSpaces = 1,
  kNoFreshAmount = 2,
  kNoFreshPerCent = 3,
};

// The control a message puts the focus on afterwards.
enum class Field { None, EnvDB, EnvWB, EnvRH, SpaDB, SpaWB, SpaRH, Sens, Lat, Amount, PerCent };
// Object name of the control of a field ("" for None).
QString fieldControlName(Field f);

// Title of the refusals of the data screen.
QString refusalTitle();

// MessagesPS: the message of a negative code. `units` selects the °C or °F
// wording of -10, -12, -14 ((0, 1) is °F, anything else °C). The range
// refusals -10 .. -14 name the bounds that CheckForLimits applies.
// `raisedTemp` and `raisedMetric` fill the -100 question.
Message messagesPS(int code, UnitPair units = UnitPair{}, float raisedTemp = 0,
                   bool raisedMetric = true);

// PSMessage: the notices of codes 1-3 (a code outside 1..3 gives an empty
// message with code 0).
Message psMessage(int code);

// Refusal of a calculation without a study title (the title window opens next).
Message missingTitleMessage();

}  // namespace aeriton::summer
