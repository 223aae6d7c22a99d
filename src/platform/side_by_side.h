#pragma once

#include <functional>

namespace vartel {

// Runs `mine` on the calling thread and `theirs` on a helper thread at the same time, and
// returns when both have run: work that is mostly system calls (looking up the entries of a
// folder) then takes both cores. Where the helper cannot be had (another caller holds it, or
// no thread could be started) both run here, `mine` first. Neither may throw, and they must
// not touch the same data.
void runSideBySide(const std::function<void()>& mine, const std::function<void()>& theirs);

}  // namespace vartel
