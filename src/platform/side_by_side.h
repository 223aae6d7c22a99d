#pragma once

#include <functional>

namespace vartel {

// A job for a helper thread, run while the caller goes on with its own work: work that is
// mostly system calls (looking up the entries of a folder) then takes both cores. Where the
// helper is not free (another job holds it, or no thread could be started), finish() runs
// the job on the caller's thread. The job may not throw; whatever it touches must stay put
// until finish() has returned.
class SideJob {
  public:
    SideJob() = default;
    ~SideJob() { finish(); }
    SideJob(const SideJob&) = delete;
    SideJob& operator=(const SideJob&) = delete;

    void start(std::function<void()> job);
    // Returns once the job has run; nothing when no job was started.
    void finish();
    // The same where the helper has run the job by now, or where the job is the caller's to
    // run; otherwise returns at once. Tells whether the job is done.
    bool finishIfDone();

  private:
    class HelperThread;
    static HelperThread* helper();

    std::function<void()> job_;
    bool started_ = false;
    HelperThread* helper_ = nullptr;  // running the job, or null to run it in finish()
};

}  // namespace vartel
