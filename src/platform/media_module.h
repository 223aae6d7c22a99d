#pragma once

#include "platform/media_tags.h"

namespace vartel {

// The photo and music libraries take longer to load and set up than the rest of a command-line
// run's start, and most runs never read a tag; so they live in a module of their own, loaded
// the first time a file's tags are read. The module is looked for beside the program (a build)
// and in the program's library folder (an installation).
//
// The module's reader; throws VartelError naming the module when it cannot be loaded.
ReadMediaTags mediaTagReader();

}  // namespace vartel
