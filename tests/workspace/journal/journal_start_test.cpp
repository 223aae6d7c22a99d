#include "workspace/journal/journal_start.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <set>

#include "../../support/file_bytes.h"
#include "../../support/scripted_dialogs.h"
#include "../../support/temporary_folder.h"
#include "platform/file_system.h"
#include "platform/rename_calls.h"
#include "workspace/journal/messages.h"

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
    std::set<std::string> names() const {
        std::set<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(folder.file("files")))
            found.insert(entry.path().filename().string());
        return found;
    }

    TemporaryFolder folder;
    ScriptedDialogs dialogs;
    std::optional<std::string> saved_;
};

TEST_F(JournalStartTest, ABatchCutShortIsFinishedPutBackOrLeftAsTheUserAnswers) {
    struct Case {
        Answer answer;
        std::set<std::string> names;
        bool leftOpen;
    };
    for (const Case& c :
         {Case{Answer::Yes, {"b0", "b1", "b2"}, false}, Case{Answer::No, {"a0", "a1", "a2"}, false},
          // "後で", Esc or closing the box: nothing touched, still open.
          Case{Answer::Cancel, {"a2", "b0", "b1"}, true}}) {
        SCOPED_TRACE(static_cast<int>(c.answer));
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
        EXPECT_EQ(recoverUnfinishedBatches(*journal, dialogs, reported), c.leftOpen);
        EXPECT_EQ(dialogs.lastQuestion(),
                  U"前回の変換が途中で終わっています（3個のファイル）。\n"
                  U"「はい」で変換を最後まで行い、「いいえ」で元の名前に戻します。\n"
                  U"「後で」では何もせず、次に名前を変更するときにもう一度確認します。");
        EXPECT_EQ(dialogs.messages,
                  c.leftOpen ? std::vector<Text>{} : std::vector<Text>{U"正常終了"});
        EXPECT_EQ(names(), c.names);
        // Settled, the next command goes ahead unasked; left open, it is asked about again
        // and, left again, refused.
        dialogs.questions.clear();
        dialogs.answers = {Answer::Cancel};
        EXPECT_EQ(settleBeforeRenaming(*journal, dialogs, reported), !c.leftOpen);
        EXPECT_EQ(dialogs.questions.size(), c.leftOpen ? 1U : 0U);
        EXPECT_EQ(dialogs.errors,
                  c.leftOpen ? std::vector<Text>{kUnfinishedBatchRefusal} : std::vector<Text>{});
        EXPECT_EQ(names(), c.names);
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
