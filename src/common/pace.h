#pragma once

#include <concepts>
#include <cstddef>
#include <functional>
#include <utility>

namespace vartel {

// The pace of a long loop: the loop holds one, calls step() once per item, and stops when it
// says no.
//
// Long commands run on the window's thread and re-enter its event loop now and then, rather
// than run on a thread of their own: the window and the command share the three lists, the
// status texts and the dialogs without a lock, a command may ask the user in the middle (a
// modal dialog), and "中止" (or Ctrl+C in the command line) is only a flag the loop reads at its
// next check. Threads serve only work that touches none of that: freeing memory, looking files
// up beside the planner, waiting for a journal to reach the disk.
//
// Every few thousand items step() asks the question it was made with, which lets the window
// run when it is due (see PumpThrottle) and tells whether the loop may go on. A loop that
// cannot stop half-way calls step() all the same and does not heed the answer. A copy counts
// its own items, so each loop holds a copy of the pace it is handed. A pace made with nothing
// never asks and always goes on: a loop outside the window, or one on its way out with a
// failure, which does not wait for the window.
class Pace {
  public:
    // Items between two questions: a few milliseconds of the cheapest loops.
    static constexpr std::size_t kItemsPerCheck = 4096;

    Pace() = default;
    Pace(std::nullptr_t) {}  // NOLINT(google-explicit-constructor): as a missing callback
    // NOLINTNEXTLINE(google-explicit-constructor): a loop's function takes a lambda as its pace
    template <std::predicate Ask>
    Pace(Ask ask, std::size_t itemsPerCheck = kItemsPerCheck)
        : ask_(std::move(ask)), itemsPerCheck_(itemsPerCheck) {}

    // Once per item: tells whether the loop goes on, asking every itemsPerCheck items.
    bool step() { return ++items_ % itemsPerCheck_ != 0 || now(); }
    // Asks at once, for an item that is a long step of its own or for a wait.
    bool now() const { return !ask_ || ask_(); }
    // The same question for a loop whose items are cheaper or dearer than most, asked every
    // itemsPerCheck of them.
    Pace every(std::size_t itemsPerCheck) const {
        Pace pace = *this;
        pace.itemsPerCheck_ = itemsPerCheck;
        return pace;
    }
    // Whether it asks at all; a loop may then do its work in one go.
    explicit operator bool() const { return static_cast<bool>(ask_); }

  private:
    std::function<bool()> ask_;
    std::size_t itemsPerCheck_ = kItemsPerCheck;
    std::size_t items_ = 0;
};

}  // namespace vartel
