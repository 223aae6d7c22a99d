#include "platform/freed_memory.h"

#include <malloc.h>

namespace vartel {

void mergeFreedMemoryAtOnce() {
    // No block is small enough to be set aside.
    ::mallopt(M_MXFAST, 0);
}

}  // namespace vartel
