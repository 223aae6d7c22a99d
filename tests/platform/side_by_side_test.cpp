#include "platform/side_by_side.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>

namespace vartel {
namespace {

// Both jobs run, in this process and in a child forked after the helper thread started (the
// child has no such thread and must not wait for it).
TEST(SideBySideTest, BothJobsRunAlsoInAForkedChild) {
    const auto bothRan = [] {
        std::atomic<int> ran{0};
        SideJob job;
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

}  // namespace
}  // namespace vartel
