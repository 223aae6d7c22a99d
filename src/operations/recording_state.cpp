#include "operations/recording_state.h"

#include "common/name_parts.h"

namespace vartel {

void RecordingState::restart(const Text& initialName) {
    macro.clear();
    steps.clear();
    counters = {};
    sampleStem = stemOf(initialName);
    sampleExtension = extensionOf(initialName);
    if (!sampleExtension.empty()) sampleExtension.erase(0, 1);
}

}  // namespace vartel
