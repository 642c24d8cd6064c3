#pragma once

#include <QString>

namespace quorvane {

// The German text of message `number`, or an empty text for a number the
// catalogue does not hold.
QString GetMsgStr(int number);

}  // namespace quorvane
