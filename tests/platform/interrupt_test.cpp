#include "platform/interrupt.h"

#include <gtest/gtest.h>

#include <csignal>

namespace vartel {
namespace {

TEST(InterruptTest, TheFirstInterruptIsNotedInsteadOfEndingTheProgram) {
    EXPECT_FALSE(interruptRequested());
    catchInterrupts();
    ASSERT_EQ(std::raise(SIGINT), 0);
    EXPECT_TRUE(interruptRequested());
    // The next one would end the program as usual.
    struct sigaction now {};
    ASSERT_EQ(::sigaction(SIGINT, nullptr, &now), 0);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
}

}  // namespace
}  // namespace vartel
