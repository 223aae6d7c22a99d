#include "workspace/batch/plan_execution.h"

#include "platform/rename_calls.h"

namespace vartel {
namespace {

// The calls of one group made so far, as the file system was given them, to be undone in
// reverse should a later one fail.
struct MadeCall {
    std::string from;
    std::string to;
    bool exchanged;
    std::size_t step;
};

class GroupRunner {
  public:
    GroupRunner(const std::vector<RenameRequest>& requests, const RenamePlan& plan,
                const BatchFiles& files, RenameLog* log)
        : requests_(requests), plan_(plan), files_(files), log_(log) {}

    // A file of the batch is still under a temporary name: its journal must stay open.
    bool putBackFailed() const { return putBackFailed_; }
    // A call of the last group could not be undone: some of its rows may bear their new names
    // after all, which only the disk can tell.
    bool lastGroupUncertain() const { return groupUncertain_; }
    // Whether the row's file now bears its new name.
    bool bearsNewName(std::size_t row) const {
        const FileIdentity expected =
            files_.identities.empty() ? requests_[row].identity : files_.identities[row];
        const auto status = lookUpFile(plan_.targets[row]);
        return status && expected.known() && status->identity == expected;
    }

    // Carries out the steps [first, last) whole, or puts back what it made.
    FileError run(std::size_t first, std::size_t last) {
        made_.clear();
        groupUncertain_ = false;
        for (std::size_t i = first; i < last; ++i) {
            const RenameStep& step = plan_.steps[i];
            const bool exchanges = step.kind == RenameStep::Kind::Exchange;
            if (const FileError error = checked(step.row, exchanges ? step.otherRow : step.row);
                error != FileError::None) {
                return error;
            }
        }
        // A lone rename that fails has made nothing; only longer groups keep their calls.
        keepsCalls_ = last - first > 1 || plan_.steps[first].kind == RenameStep::Kind::Exchange;
        for (std::size_t i = first; i < last; ++i) {
            const RenameStep& step = plan_.steps[i];
            const FileError error = step.kind == RenameStep::Kind::Exchange
                                        ? exchange(step, i)
                                        : rename(step.from, step.to, i);
            if (error != FileError::None) {
                putBack();
                return error;
            }
            if (log_ != nullptr) log_->stepMade(i);
        }
        return FileError::None;
    }

  private:
    FileError checked(std::size_t row, std::size_t otherRow) const {
        if (files_.errors.empty()) return FileError::None;
        const FileError error = files_.errors[row];
        return error != FileError::None ? error : files_.errors[otherRow];
    }

    FileError rename(StepPath from, StepPath to, std::size_t step) {
        const std::string& fromPath = plan_.pathOf(requests_, from);
        const std::string& toPath = plan_.pathOf(requests_, to);
        const FileError error = renamer_.rename(fromPath, toPath);
        if (error == FileError::None && keepsCalls_)
            made_.push_back({fromPath, toPath, false, step});
        return error;
    }

    // Where the file system cannot swap two names at once, the swap goes round through the
    // temporary name, as one group.
    FileError exchange(const RenameStep& step, std::size_t index) {
        const std::string& a = plan_.pathOf(requests_, step.from);
        const std::string& b = plan_.pathOf(requests_, step.to);
        const FileError error = renamer_.exchange(a, b);
        if (error == FileError::None) {
            made_.push_back({a, b, true, index});
            return error;
        }
        if (error != FileError::Unsupported) return error;
        for (const auto& [from, to] :
             {std::pair{step.from, step.temporary}, std::pair{step.to, step.from},
              std::pair{step.temporary, step.to}}) {
            if (const FileError failed = rename(from, to, index); failed != FileError::None) {
                return failed;
            }
        }
        return FileError::None;
    }

    // Each call is undone into the name it just freed, so this fails only when another
    // program takes that name in the meantime or the disk fails; a failing call is tried
    // again, since a file left under a temporary name is the outcome to avoid above all. A
    // file that cannot go back from a temporary name goes on to its new name where that is
    // free.
    void putBack() {
        constexpr int kTries = 5;
        for (auto call = made_.rbegin(); call != made_.rend(); ++call) {
            FileError error = FileError::Other;
            for (int attempt = 0; attempt < kTries && error != FileError::None; ++attempt) {
                error = call->exchanged ? renamer_.exchange(call->to, call->from)
                                        : renamer_.rename(call->to, call->from);
            }
            if (error == FileError::None) {
                if (log_ != nullptr) log_->stepPutBack(call->step);
                continue;
            }
            groupUncertain_ = true;
            const RenameStep& step = plan_.steps[call->step];
            const bool underTemporary = !call->exchanged && step.kind == RenameStep::Kind::Rename &&
                                        step.to.of == StepPath::Of::Temporary;
            if (!underTemporary ||
                renamer_.rename(call->to, plan_.targets[step.row]) != FileError::None) {
                putBackFailed_ = true;
            }
        }
        made_.clear();
    }

    const std::vector<RenameRequest>& requests_;
    const RenamePlan& plan_;
    const BatchFiles& files_;
    RenameLog* log_;
    bool keepsCalls_ = false;
    std::vector<MadeCall> made_;
    FolderRenamer renamer_;
    bool putBackFailed_ = false;
    bool groupUncertain_ = false;
};

}  // namespace

void carryOutPlan(const std::vector<RenameRequest>& requests, const RenamePlan& plan,
                  const BatchFiles& files, const std::function<bool(std::size_t rows)>& groupDone,
                  RenameRun& run, RenameLog* log) {
    run.rows.assign(requests.size(), {});
    run.stopped = false;
    GroupRunner runner(requests, plan, files, log);
    const auto& steps = plan.steps;
    std::size_t first = 0;
    while (first < steps.size()) {
        std::size_t last = first + 1;
        while (last < steps.size() && !steps[last].startsGroup) ++last;
        const FileError error = runner.run(first, last);
        run.leftUnfinished = runner.putBackFailed();
        std::size_t rows = 0;
        for (std::size_t i = first; i < last; ++i) {
            const RenameStep& step = steps[i];
            if (!step.givesNewName) continue;
            for (const std::size_t row : {step.row, step.otherRow}) {
                // What is on disk, where the group could not be put back whole.
                const bool renamed = error == FileError::None ||
                                     (runner.lastGroupUncertain() && runner.bearsNewName(row));
                run.rows[row] = {renamed, renamed ? FileError::None : error};
                ++rows;
                if (step.kind != RenameStep::Kind::Exchange) break;
            }
        }
        first = last;
        if (!groupDone(rows)) {
            run.stopped = first < steps.size();
            break;
        }
    }
}

}  // namespace vartel
