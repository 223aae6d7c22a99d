#pragma once

#include <cstdint>

#include "common/text.h"
#include "platform/clock.h"

namespace vartel {

// The modified column: yyyy/MM/dd H:mm:ss in local time, only the date at exactly 00:00:00.
Text modifiedText(const LocalDateTime& time);
// A local time in one number that orders like the time, so a row keeps its modified time in
// eight bytes and the text is made when it is shown.
std::int64_t packedDateTime(const LocalDateTime& time);
LocalDateTime unpackedDateTime(std::int64_t packed);

}  // namespace vartel
