#pragma once

namespace vartel {

// The state of a long operation as the window shows it.
struct BusyState {
    bool busy = false;  // clearing it while an operation runs is the abort request
    bool progressShown = false;
    bool adding = false;  // the adding box of a file walk
    int moved = 0;        // rows moved into the preview since the operation started
    int progressMaximum = 0;
    int progressPosition = 0;
    int walkCounter = 0;  // rows added by the running or last walk
};

}  // namespace vartel
