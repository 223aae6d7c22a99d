#pragma once

namespace vartel {

// Has memory merged back as each block is freed rather than in bursts. The allocator keeps small
// freed blocks aside and merges them all at the next large request or release; after a command
// freed the texts of a million rows that burst alone stood the window still for a good part of
// a second. Freeing grows a little dearer, and no step has to wait for all of it.
void mergeFreedMemoryAtOnce();

}  // namespace vartel
