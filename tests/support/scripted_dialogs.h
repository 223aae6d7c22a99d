#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "common/dialogs.h"

namespace vartel {

// Records what logic shows the user and answers its questions from scripts; a question that
// has no scripted answer left gets Yes, no text and no file.
class ScriptedDialogs : public Dialogs {
  public:
    std::vector<Text> messages;
    std::vector<Text> errors;
    std::vector<Text> questions;
    std::deque<Answer> answers;
    std::deque<std::optional<Text>> texts;
    std::deque<std::optional<std::string>> files;

    void message(const Text& text) override { messages.push_back(text); }
    void error(const Text& text) override { errors.push_back(text); }
    Answer confirm(const Text& text, bool) override {
        questions.push_back(text);
        return next(answers, Answer::Yes);
    }
    std::optional<Text> askText(const Text&, const Text& prompt) override {
        questions.push_back(prompt);
        return next(texts, std::optional<Text>());
    }
    std::optional<std::string> openFile(const Text&) override {
        return next(files, std::optional<std::string>());
    }
    std::optional<std::string> saveFile(const Text&, const Text&) override {
        return next(files, std::optional<std::string>());
    }

  private:
    template <typename T>
    static T next(std::deque<T>& queue, T fallback) {
        if (queue.empty()) return fallback;
        T value = std::move(queue.front());
        queue.pop_front();
        return value;
    }
};

}  // namespace vartel
