#include "workspace/pacing/later_release.h"

#include "platform/side_by_side.h"

namespace vartel {
namespace {

SideJob& releasingJob() {
    static SideJob job;
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
