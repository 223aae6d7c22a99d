#pragma once

#include "common/text.h"

namespace vartel {

// A message with its placeholder ("%s", "%d") filled in; a pattern without it stays as it is.
inline Text fillIn(const Text& pattern, std::u32string_view placeholder, const Text& value) {
    Text message = pattern;
    if (const auto at = message.find(placeholder); at != Text::npos) {
        message.replace(at, placeholder.size(), value);
    }
    return message;
}

}  // namespace vartel
