#pragma once

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

}  // namespace vartel
