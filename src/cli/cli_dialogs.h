#pragma once

#include <cstdio>

#include "common/dialogs.h"

namespace vartel::cli {

// Messages go to standard error; questions are answered from the command line: the first
// `noAnswers` questions get No, every later one Yes.
class CliDialogs : public Dialogs {
  public:
    explicit CliDialogs(int noAnswers = 0) : noAnswers_(noAnswers) {}

    void message(const Text& text) override { print(text); }
    void error(const Text& text) override {
        ++errorsShown_;
        print(errorBoxText(text));
    }
    // A command that showed an error (a journal that could not be written) failed, whatever
    // its rows say.
    int errorsShown() const { return errorsShown_; }
    Answer confirm(const Text&, bool) override {
        if (noAnswers_ > 0) {
            --noAnswers_;
            return Answer::No;
        }
        return Answer::Yes;
    }
    std::optional<Text> askText(const Text&, const Text&) override { return std::nullopt; }
    std::optional<std::string> openFile(const Text&) override { return std::nullopt; }
    std::optional<std::string> saveFile(const Text&, const Text&) override { return std::nullopt; }

  private:
    static void print(const Text& text) {
        const std::string bytes = bytesFromText(text) + "\n";
        std::fputs(bytes.c_str(), stderr);
    }
    int noAnswers_;
    int errorsShown_ = 0;
};

}  // namespace vartel::cli
