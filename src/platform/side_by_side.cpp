#include "platform/side_by_side.h"

#include <unistd.h>

#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

namespace vartel {
namespace {

// One thread that waits for a job, runs it and says so; started with the first job.
class HelperThread {
  public:
    HelperThread() : owner_(::getpid()) {
        std::thread([this] { serve(); }).detach();
    }

    // False, having run nothing, while another caller holds the helper, or in a child process
    // forked since the helper started: the child has no copy of the thread to wait for.
    bool run(const std::function<void()>& mine, const std::function<void()>& theirs) {
        if (::getpid() != owner_) return false;
        const std::unique_lock<std::mutex> holder(inUse_, std::try_to_lock);
        if (!holder.owns_lock()) return false;
        {
            const std::lock_guard<std::mutex> lock(state_);
            job_ = &theirs;
        }
        wake_.notify_one();
        mine();
        std::unique_lock<std::mutex> lock(state_);
        done_.wait(lock, [this] { return job_ == nullptr; });
        return true;
    }

  private:
    void serve() {
        std::unique_lock<std::mutex> lock(state_);
        for (;;) {
            wake_.wait(lock, [this] { return job_ != nullptr; });
            const std::function<void()>& job = *job_;
            lock.unlock();
            job();
            lock.lock();
            job_ = nullptr;
            done_.notify_one();
        }
    }

    const pid_t owner_;
    std::mutex inUse_;
    std::mutex state_;
    std::condition_variable wake_;
    std::condition_variable done_;
    const std::function<void()>* job_ = nullptr;
};

HelperThread* helperThread() {
    // Never destroyed: its thread waits for work until the process ends.
    static HelperThread* const helper = []() -> HelperThread* {
        try {
            return new HelperThread;
        } catch (const std::system_error&) {
            return nullptr;
        }
    }();
    return helper;
}

}  // namespace

void runSideBySide(const std::function<void()>& mine, const std::function<void()>& theirs) {
    HelperThread* const helper = helperThread();
    if (helper != nullptr && helper->run(mine, theirs)) return;
    mine();
    theirs();
}

}  // namespace vartel
