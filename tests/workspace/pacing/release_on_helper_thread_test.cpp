#include "workspace/pacing/release_on_helper_thread.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace vartel {
namespace {

// What is handed over lives until the release has run, and no longer.
TEST(ReleaseOnHelperThreadTest, FreesWhatItTookOnceRun) {
    auto texts = std::make_shared<std::vector<std::string>>(10000, std::string(40, 'x'));
    const std::weak_ptr<std::vector<std::string>> watched = texts;
    std::vector<int> numbers(1000, 7);
    auto release = releasing(std::move(texts), std::move(numbers));
    EXPECT_FALSE(watched.expired());
    releaseLater(std::move(release));
    releaseLater([] {});  // waits for the release before it
    EXPECT_TRUE(watched.expired());
    while (!finishReleasingIfDone()) {
    }
}

}  // namespace
}  // namespace vartel
