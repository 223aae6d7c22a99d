#pragma once

#include <functional>
#include <memory>
#include <tuple>
#include <type_traits>

namespace vartel {

// Takes the things over and frees them when called, wherever that is.
template <typename... Things>
std::function<void()> releasing(Things&&... things) {
    auto held = std::make_shared<std::tuple<std::decay_t<Things>...>>(std::move(things)...);
    return [held]() mutable { held.reset(); };
}

// Runs release (see releasing) on the helper thread, so that freeing the texts of a million rows
// holds up neither the window nor the end of the command, "中止" included. The release before it
// is waited for first. For the thread that runs the commands only.
void releaseLater(std::function<void()> release);
// Ends the last release where it is done, so that the helper thread is free for other work;
// a release still running is left to run. Tells whether none is left running.
bool finishReleasingIfDone();

}  // namespace vartel
