#pragma once

#include <new>
#include <stdexcept>

#include "common/text.h"

namespace vartel {

// An unexpected failure that abandons the running command; the message is what the user sees.
class VartelError : public std::runtime_error {
  public:
    explicit VartelError(Text message)
        : std::runtime_error(bytesFromText(message)), message_(std::move(message)) {}
    const Text& message() const { return message_; }

  private:
    Text message_;
};

inline const Text kOutOfMemory = U"メモリが足りません";

// What the user is told of any failure that abandons a command: the program's own message, or
// the library's for anything else, so that no failure ends the program unreported.
inline Text failureMessage(const std::exception& failure) {
    if (const auto* own = dynamic_cast<const VartelError*>(&failure)) return own->message();
    if (dynamic_cast<const std::bad_alloc*>(&failure)) return kOutOfMemory;
    return textFromBytes(failure.what());
}

}  // namespace vartel
