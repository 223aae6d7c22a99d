#include "platform/side_by_side.h"

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <semaphore>
#include <system_error>
#include <thread>
#include <utility>

namespace vartel {

// One thread that waits for a job, runs it and says so; one job at a time.
class JobOnHelperThread::HelperThread {
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

    bool done(std::chrono::microseconds waitAtMost) {
        std::unique_lock<std::mutex> lock(state_);
        return done_.wait_for(lock, waitAtMost, [this] { return job_ == nullptr; });
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

JobOnHelperThread::HelperThread* JobOnHelperThread::helper() {
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

void JobOnHelperThread::start(std::function<void()> job) {
    finish();
    job_ = std::move(job);
    started_ = true;
    helper_ = helper();
    if (helper_ != nullptr && !helper_->tryStart(job_)) helper_ = nullptr;
}

bool JobOnHelperThread::finishIfDone(std::chrono::microseconds waitAtMost) {
    if (started_ && helper_ != nullptr && !helper_->done(waitAtMost)) return false;
    finish();
    return true;
}

void JobOnHelperThread::finish() {
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

struct JobOnItsOwnThread::Running {
    std::binary_semaphore done{0};
    std::jthread thread;
};

JobOnItsOwnThread::JobOnItsOwnThread(std::function<void()> job) : job_(std::move(job)) {
    const auto run = [this] {
        try {
            job_();
        } catch (...) {
            failure_ = std::current_exception();
        }
    };
    try {
        running_ = std::make_unique<Running>();
        running_->thread = std::jthread([this, run] {
            run();
            running_->done.release();
        });
    } catch (const std::system_error&) {
        running_.reset();
        run();
    }
}

JobOnItsOwnThread::~JobOnItsOwnThread() {
    if (running_) running_->thread.join();
}

void JobOnItsOwnThread::wait(const Pace& pace) {
    if (running_) {
        if (pace) {
            while (!running_->done.try_acquire_for(std::chrono::milliseconds(2))) pace.now();
        }
        running_->thread.join();
        running_.reset();
    }
    if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
}

}  // namespace vartel
