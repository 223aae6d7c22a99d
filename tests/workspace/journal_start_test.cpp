#include "workspace/journal_start.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include "../support/file_bytes.h"
#include "../support/scripted_dialogs.h"
#include "../support/temporary_folder.h"
#include "platform/file_system.h"

namespace vartel {
namespace {

// The user's state folder moved into a temporary folder for the test.
class JournalStartTest : public ::testing::Test {
  protected:
    JournalStartTest() {
        const char* saved = std::getenv("XDG_STATE_HOME");
        if (saved) saved_ = saved;
        ::setenv("XDG_STATE_HOME", folder.file("state").c_str(), 1);
        std::filesystem::create_directories(folder.file("files"));
    }
    ~JournalStartTest() override {
        if (saved_)
            ::setenv("XDG_STATE_HOME", saved_->c_str(), 1);
        else
            ::unsetenv("XDG_STATE_HOME");
    }
    std::string file(const std::string& name) const { return folder.file("files/" + name); }

    // Files a0..a(n-1), renamed to b0.. by a batch the journal recorded and a kill cut short
    // after the first `done` renames.
    void leaveBatchCutShort(RenameJournal& journal, int count, int done) {
        std::vector<RenameRequest> requests;
        for (int i = 0; i < count; ++i) {
            const std::string name = "a" + std::to_string(i);
            writeBytes(file(name), name);
            requests.push_back(
                {file(name), "b" + std::to_string(i), lookUpFile(file(name))->identity});
        }
        const RenamePlan plan = planRenames(requests);
        ASSERT_TRUE(journal.begin(BatchKind::Execute, requests, plan,
                                  lookUpBatchFiles(requests, plan)) != nullptr);
        for (int s = 0; s < done; ++s) {
            const auto& step = plan.steps[static_cast<std::size_t>(s)];
            ASSERT_EQ(renameStep(plan.pathOf(requests, step.from), plan.pathOf(requests, step.to)),
                      FileError::None);
        }
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(file(name)); }

    TemporaryFolder folder;
    ScriptedDialogs dialogs;
    std::optional<std::string> saved_;
};

TEST_F(JournalStartTest, ABatchCutShortIsFinishedOrPutBackAsTheUserAnswers) {
    struct Case {
        Answer answer;
        const char* present;
        const char* absent;
    };
    for (const Case& c : {Case{Answer::Yes, "b", "a"}, Case{Answer::No, "a", "b"}}) {
        SCOPED_TRACE(c.present);
        std::filesystem::remove_all(folder.file("files"));
        std::filesystem::create_directories(folder.file("files"));
        dialogs = ScriptedDialogs();
        {
            auto journal = openJournalAtStart(dialogs);
            ASSERT_TRUE(journal);
            leaveBatchCutShort(*journal, 3, 2);
        }
        auto journal = openJournalAtStart(dialogs);
        ASSERT_TRUE(journal);
        dialogs.answers = {c.answer};
        std::size_t reported = 0;
        recoverUnfinishedBatches(*journal, dialogs, reported);
        EXPECT_EQ(dialogs.lastQuestion(),
                  U"前回の変換が途中で終わっています（3個のファイル）。\n"
                  U"「はい」で変換を最後まで行い、「いいえ」で元の名前に戻します。");
        EXPECT_EQ(dialogs.lastMessage(), U"正常終了");
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(exists(c.present + std::to_string(i)));
            EXPECT_FALSE(exists(c.absent + std::to_string(i)));
        }
        // Settled: the next start asks nothing.
        dialogs.questions.clear();
        recoverUnfinishedBatches(*journal, dialogs, reported);
        EXPECT_TRUE(dialogs.questions.empty());
    }
}

TEST_F(JournalStartTest, DamagedJournalsAreReportedOnceAndNothingIsAsked) {
    auto journal = openJournalAtStart(dialogs);
    ASSERT_TRUE(journal);
    writeBytes(journal->folder() + "/000000000001-1-1.journal", "garbage\nmore garbage\n");
    std::size_t reported = 0;
    recoverUnfinishedBatches(*journal, dialogs, reported);
    reportDamagedJournals(*journal, dialogs, reported);
    reportDamagedJournals(*journal, dialogs, reported);
    EXPECT_EQ(
        dialogs.errors,
        (std::vector<Text>{U"壊れた変換の記録を別の場所に移しました: 000000000001-1-1.journal"}));
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(JournalStartTest, AStateFolderThatCannotBeMadeIsReportedAndTheWindowGoesOn) {
    writeBytes(folder.file("state"), "a file where the folder should be");
    EXPECT_FALSE(openJournalAtStart(dialogs));
    EXPECT_EQ(dialogs.errors, (std::vector<Text>{U"変換の記録を保存するフォルダを作成できないため、"
                                                 U"記録を残さずに続けます"}));
}

}  // namespace
}  // namespace vartel
