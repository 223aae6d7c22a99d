#pragma once

#include <chrono>
#include <exception>
#include <functional>
#include <memory>

#include "common/pace.h"

namespace vartel {

// A job for a helper thread, run while the caller goes on with its own work: work that is
// mostly system calls (looking up the entries of a folder) then takes both cores. Where the
// helper is not free (another job holds it, or no thread could be started), finish() runs
// the job on the caller's thread. The job may not throw; whatever it touches must stay put
// until finish() has returned.
class JobOnHelperThread {
  public:
    JobOnHelperThread() = default;
    ~JobOnHelperThread() { finish(); }
    JobOnHelperThread(const JobOnHelperThread&) = delete;
    JobOnHelperThread& operator=(const JobOnHelperThread&) = delete;

    void start(std::function<void()> job);
    // Returns once the job has run; nothing when no job was started.
    void finish();
    // The same where the helper has run the job by now (or within waitAtMost), or where the
    // job is the caller's to run; otherwise returns. Tells whether the job is done.
    bool finishIfDone(std::chrono::microseconds waitAtMost = {});

  private:
    class HelperThread;
    static HelperThread* helper();

    std::function<void()> job_;
    bool started_ = false;
    HelperThread* helper_ = nullptr;  // running the job, or null to run it in finish()
};

// A job on a thread of its own, while the caller goes on with other work and then waits for
// it, woken the moment it ends. Unlike JobOnHelperThread it never waits for a helper held by
// another job. Where no thread can be started, the job runs at once on the caller's thread. What
// the job throws is thrown again by wait().
class JobOnItsOwnThread {
  public:
    explicit JobOnItsOwnThread(std::function<void()> job);
    ~JobOnItsOwnThread();
    JobOnItsOwnThread(const JobOnItsOwnThread&) = delete;
    JobOnItsOwnThread& operator=(const JobOnItsOwnThread&) = delete;

    // Returns once the job has run, asking pace every few milliseconds meanwhile; its answer
    // is not heeded.
    void wait(const Pace& pace = {});

  private:
    struct Running;
    std::function<void()> job_;
    std::exception_ptr failure_;
    std::unique_ptr<Running> running_;  // null once waited for, or where the job ran at once
};

}  // namespace vartel
