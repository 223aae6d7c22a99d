#pragma once

namespace vartel {

// Ctrl+C on the command line: the first one asks the running command to stop at its next check,
// so that it ends cleanly between files; a second one ends the program at once, as usual.
void catchInterrupts();
bool interruptRequested();

}  // namespace vartel
