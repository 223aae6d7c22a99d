#include "platform/side_by_side.h"

#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

namespace vartel {

// One thread that waits for a job, runs it and says so; one job at a time.
class SideJob::HelperThread {
  public:
    HelperThread() {
        std::thread([this] { serve(); }).detach();
    }

    // False, having taken nothing, while another job holds the helper.
    bool tryStart(const std::function<void()>& job) {
        bool expected = false;
        if (!held_.compare_exchange_strong(expected, true)) return false;
        {
            const std::lock_guard<std::mutex> lock(state_);
            job_ = &job;
        }
        wake_.notify_one();
        return true;
    }

    bool done() {
        const std::lock_guard<std::mutex> lock(state_);
        return job_ == nullptr;
    }

    void wait() {
        {
            std::unique_lock<std::mutex> lock(state_);
            done_.wait(lock, [this] { return job_ == nullptr; });
        }
        held_.store(false);
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

    std::atomic<bool> held_{false};
    std::mutex state_;
    std::condition_variable wake_;
    std::condition_variable done_;
    const std::function<void()>* job_ = nullptr;
};

SideJob::HelperThread* SideJob::helper() {
    // Never destroyed: its thread waits for work until the process ends. A process made by
    // fork has no such thread, so it starts one of its own.
    static std::mutex starting;
    static HelperThread* helper = nullptr;
    static pid_t startedIn = 0;
    const std::lock_guard<std::mutex> lock(starting);
    if (startedIn != ::getpid()) {
        startedIn = ::getpid();
        try {
            helper = new HelperThread;
        } catch (const std::system_error&) {
            helper = nullptr;
        }
    }
    return helper;
}

void SideJob::start(std::function<void()> job) {
    finish();
    job_ = std::move(job);
    started_ = true;
    helper_ = helper();
    if (helper_ != nullptr && !helper_->tryStart(job_)) helper_ = nullptr;
}

bool SideJob::finishIfDone() {
    if (started_ && helper_ != nullptr && !helper_->done()) return false;
    finish();
    return true;
}

void SideJob::finish() {
    if (!started_) return;
    if (helper_ != nullptr) {
        helper_->wait();
    } else {
        job_();
    }
    started_ = false;
    helper_ = nullptr;
    job_ = nullptr;
}

}  // namespace vartel
