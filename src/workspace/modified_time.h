#pragma once

#include <cstdint>
#include <optional>

#include "common/text.h"
#include "platform/clock.h"

namespace vartel {

// The modified column: yyyy/MM/dd H:mm:ss in local time, only the date at exactly 00:00:00.
Text modifiedText(const LocalDateTime& time);
// The same format read back as a number that orders like the time; nothing for any other text.
std::optional<std::int64_t> parseModifiedText(const Text& text);

}  // namespace vartel
