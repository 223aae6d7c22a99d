#pragma once

#include <optional>
#include <string>

#include "common/text.h"

namespace vartel {

enum class Answer { Yes, No, Cancel };

// How logic talks to the user without opening a window itself. The program shows real boxes;
// tests and the command line script the answers.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual void message(const Text& text) = 0;  // information box, one OK
    // A warning box, one OK: a command that ended with failures. Where there is no such box,
    // a message.
    virtual void warning(const Text& text) { message(text); }
    virtual void error(const Text& text) = 0;  // error box, worded by errorBoxText
    virtual Answer confirm(const Text& text, bool withCancel) = 0;
    // A question that may also be left for later ("後で", which Esc and closing the box give
    // too): Yes, No, or Cancel for later. Where no box offers that answer, a question with
    // Cancel stands for it.
    virtual Answer confirmOrLater(const Text& text) { return confirm(text, true); }
    virtual std::optional<Text> askText(const Text& caption, const Text& prompt) = 0;
    virtual std::optional<std::string> openFile(const Text& filter) = 0;
    virtual std::optional<std::string> saveFile(const Text& filter,
                                                const Text& defaultExtension) = 0;
    // The same, starting in the given folder where the dialog can show one.
    virtual std::optional<std::string> saveFileIn(const std::string& folder, const Text& filter,
                                                  const Text& defaultExtension) {
        static_cast<void>(folder);
        return saveFile(filter, defaultExtension);
    }
};

// What an error box shows: the message with a "." added when it does not end a sentence
// already, in either script.
inline Text errorBoxText(const Text& message) {
    if (!message.empty() && Text(U"。．？！.").find(message.back()) != Text::npos) return message;
    return message + U'.';
}

}  // namespace vartel
