#include "workspace/pacing/release_on_helper_thread.h"

#include "platform/side_by_side.h"

namespace vartel {
namespace {

JobOnHelperThread& releasingJob() {
    static JobOnHelperThread job;
    return job;
}

}  // namespace

void releaseLater(std::function<void()> release) {
    releasingJob().start(std::move(release));
}

bool finishReleasingIfDone() {
    return releasingJob().finishIfDone();
}

}  // namespace vartel
