#pragma once

#include <string>

#include "platform/media_tags.h"

namespace vartel {

// The module and the program hand each other their own types, so both must come from one build
// of one version: the module names the build it comes from, and the program refuses another
// (left behind by an older installation, say) rather than misreading its tags. The size of the
// tags changes with their fields, which the version alone would not show between two builds.
using MediaModuleBuild = const char* (*)() noexcept;
inline constexpr const char* kMediaModuleBuildSymbol = "vartelMediaModuleBuild";

inline std::string mediaModuleBuild() {
    return std::string(VARTEL_MEDIA_MODULE_BUILD) + "/" + std::to_string(sizeof(MediaTags));
}

}  // namespace vartel
