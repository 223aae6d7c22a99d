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
    std::vector<std::string> saveFolders;  // where each save dialog was asked to start

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
    std::optional<std::string> saveFileIn(const std::string& folder, const Text& filter,
                                          const Text& extension) override {
        saveFolders.push_back(folder);
        return saveFile(filter, extension);
    }

    // The last message or question, or a text saying there was none: a test expecting one
    // then fails with a readable message instead of reading past the end.
    Text lastMessage() const { return lastOf(messages, U"(no message box)"); }
    Text lastQuestion() const { return lastOf(questions, U"(no question)"); }

  private:
    static Text lastOf(const std::vector<Text>& shown, const Text& none) {
        return shown.empty() ? none : shown.back();
    }
    template <typename T>
    static T next(std::deque<T>& queue, T fallback) {
        if (queue.empty()) return fallback;
        T value = std::move(queue.front());
        queue.pop_front();
        return value;
    }
};

}  // namespace vartel
