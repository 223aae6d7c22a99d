#include "platform/side_by_side.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace vartel {
namespace {

// Both jobs run, in this process and in a child forked after the helper thread started (the
// child has no such thread and must not wait for it).
TEST(SideBySideTest, BothJobsRunAlsoInAForkedChild) {
    const auto bothRan = [] {
        std::atomic<int> ran{0};
        JobOnHelperThread job;
        job.start([&ran] { ran += 2; });
        ran += 1;
        job.finish();
        return ran == 3;
    };
    ASSERT_TRUE(bothRan());
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(10);  // a child left waiting ends instead of holding the test up
        std::_Exit(bothRan() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

// A job still running is left to run, also by a caller that waits a while for it; once it is
// done the helper is free for the next job, which then runs beside the caller again.
TEST(SideBySideTest, FinishIfDoneLeavesARunningJobAndFreesTheHelperOnceDone) {
    const auto caller = std::this_thread::get_id();
    std::thread::id ranOn;
    JobOnHelperThread probe;
    probe.start([&ranOn] { ranOn = std::this_thread::get_id(); });
    probe.finish();
    if (ranOn == caller) GTEST_SKIP() << "the helper thread is held elsewhere";

    std::atomic<bool> release{false};
    std::atomic<bool> ran{false};
    JobOnHelperThread first;
    first.start([&] {
        while (!release && std::this_thread::get_id() != caller) std::this_thread::yield();
        ran = true;
    });
    EXPECT_FALSE(first.finishIfDone());
    EXPECT_FALSE(first.finishIfDone(std::chrono::milliseconds(5)));
    EXPECT_FALSE(ran);
    release = true;
    // A wait ends when the job does, not when its time is up.
    const auto waitStarted = std::chrono::steady_clock::now();
    EXPECT_TRUE(first.finishIfDone(std::chrono::seconds(30)));
    EXPECT_LT(std::chrono::steady_clock::now() - waitStarted, std::chrono::seconds(10));
    EXPECT_TRUE(ran);
    EXPECT_TRUE(first.finishIfDone());  // nothing left to finish

    JobOnHelperThread second;
    second.start([&ranOn] { ranOn = std::this_thread::get_id(); });
    second.finish();
    EXPECT_NE(ranOn, caller);
}

// The caller goes on while the job runs, is called back while it waits, and gets what the job
// threw; where the job ended first, waiting calls nothing back.
TEST(SideBySideTest, AJobOnItsOwnThreadRunsBesideTheCallerAndPassesOnWhatItThrew) {
    std::atomic<bool> callerWent{false};
    std::atomic<bool> sawCaller{false};
    JobOnItsOwnThread job([&] {
        while (!callerWent) std::this_thread::yield();
        sawCaller = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    });
    callerWent = true;
    int calledBack = 0;
    job.wait([&calledBack] { return ++calledBack > 0; });
    EXPECT_TRUE(sawCaller);
    EXPECT_GT(calledBack, 0);

    JobOnItsOwnThread failing([] { throw std::runtime_error("disk gone"); });
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    try {
        failing.wait();
        ADD_FAILURE() << "nothing thrown";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "disk gone");
    }
}

}  // namespace
}  // namespace vartel
