#pragma once

#include <utility>

#include "common/dialogs.h"
#include "common/error.h"

namespace vartel {

// The boundary of a window command: an unexpected failure abandons the command and is shown in
// an error box.
template <typename Command>
void guardCommand(Dialogs& dialogs, Command&& command) {
    try {
        std::forward<Command>(command)();
    } catch (const std::exception& failure) {
        dialogs.error(failureMessage(failure));
    }
}

}  // namespace vartel
