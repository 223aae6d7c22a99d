#pragma once

#include <memory>
#include <string_view>

#include "common/text.h"

namespace vartel {

// Why a row failed, as the user is told. Few rows ever fail, so the text is kept apart from
// the row and a row that did not fail holds only an empty pointer.
class FailureReason {
  public:
    FailureReason() = default;
    FailureReason(const FailureReason& other) { *this = other; }
    FailureReason& operator=(const FailureReason& other) {
        if (this != &other) text_ = other.text_ ? std::make_unique<Text>(*other.text_) : nullptr;
        return *this;
    }
    FailureReason(FailureReason&&) noexcept = default;
    FailureReason& operator=(FailureReason&&) noexcept = default;
    FailureReason& operator=(Text text) {
        text_ = std::make_unique<Text>(std::move(text));
        return *this;
    }

    bool empty() const { return !text_ || text_->empty(); }
    const Text& text() const {
        static const Text kNone;
        return text_ ? *text_ : kNone;
    }
    friend bool operator==(const FailureReason& reason, std::u32string_view text) {
        return reason.text() == text;
    }

  private:
    std::unique_ptr<Text> text_;
};

}  // namespace vartel
