#include "workspace/plan_execution.h"

namespace vartel {
namespace {

// The two paths of a call, and the same as the file system takes them, converted once.
struct CallPaths {
    CallPaths(const Text& fromPath, const Text& toPath)
        : from(fromPath), to(toPath), fromBytes(bytesFromText(from)), toBytes(bytesFromText(to)) {}
    const Text& from;
    const Text& to;
    std::string fromBytes;
    std::string toBytes;
};

// The calls of one group made so far, to be undone in reverse should a later one fail.
struct MadeCall {
    Text from;
    Text to;
    bool exchanged;
};

class GroupRunner {
  public:
    GroupRunner(const BatchFiles& files, RenameLog* log) : files_(files), log_(log) {}

    bool putBackFailed() const { return putBackFailed_; }

    // Carries out the steps [first, last) whole, or puts back what it made.
    FileError run(const std::vector<RenameStep>& steps, std::size_t first, std::size_t last) {
        made_.clear();
        for (std::size_t i = first; i < last; ++i) {
            const RenameStep& step = steps[i];
            const bool exchanges = step.kind == RenameStep::Kind::Exchange;
            if (const FileError error = checked(step.row, exchanges ? step.otherRow : step.row);
                error != FileError::None) {
                return error;
            }
        }
        for (std::size_t i = first; i < last; ++i) {
            const RenameStep& step = steps[i];
            const CallPaths paths(step.from, step.to);
            const FileError error =
                step.kind == RenameStep::Kind::Exchange ? exchange(step, paths) : rename(paths);
            if (error != FileError::None) {
                putBack();
                return error;
            }
        }
        return FileError::None;
    }

  private:
    FileError checked(std::size_t row, std::size_t otherRow) const {
        if (files_.errors.empty()) return FileError::None;
        const FileError error = files_.errors[row];
        return error != FileError::None ? error : files_.errors[otherRow];
    }

    FileError rename(const CallPaths& paths) {
        const FileError error = renameStep(paths.fromBytes, paths.toBytes);
        if (error == FileError::None) note(paths, false);
        return error;
    }

    // Where the file system cannot swap two names at once, the swap goes round through the
    // temporary name, as one group.
    FileError exchange(const RenameStep& step, const CallPaths& paths) {
        const FileError error = exchangeNames(paths.fromBytes, paths.toBytes);
        if (error == FileError::None) {
            note(paths, true);
            return error;
        }
        if (error != FileError::Unsupported) return error;
        for (const auto& [from, to] :
             {std::pair{&step.from, &step.temporary}, std::pair{&step.to, &step.from},
              std::pair{&step.temporary, &step.to}}) {
            if (const FileError failed = rename(CallPaths(*from, *to)); failed != FileError::None) {
                return failed;
            }
        }
        return FileError::None;
    }

    void note(const CallPaths& paths, bool exchanged) {
        made_.push_back({paths.from, paths.to, exchanged});
        if (log_ != nullptr) log_->renamed(paths.fromBytes, paths.toBytes, exchanged);
    }

    // Each call is undone into the name it just freed, so this fails only when another
    // program takes that name in the meantime or the disk fails; a failing call is tried
    // again, since a file left under a temporary name is the outcome to avoid above all.
    void putBack() {
        constexpr int kTries = 5;
        for (auto call = made_.rbegin(); call != made_.rend(); ++call) {
            const std::string from = bytesFromText(call->to);
            const std::string to = bytesFromText(call->from);
            FileError error = FileError::Other;
            for (int attempt = 0; attempt < kTries && error != FileError::None; ++attempt) {
                error = call->exchanged ? exchangeNames(from, to) : renameStep(from, to);
            }
            if (error != FileError::None) {
                putBackFailed_ = true;
            } else if (log_ != nullptr) {
                log_->renamed(from, to, call->exchanged);
            }
        }
        made_.clear();
    }

    const BatchFiles& files_;
    RenameLog* log_;
    std::vector<MadeCall> made_;
    bool putBackFailed_ = false;
};

}  // namespace

void carryOutPlan(const std::vector<RenameRequest>& requests, const RenamePlan& plan,
                  const BatchFiles& files, const std::function<bool(std::size_t rows)>& keepGoing,
                  RenameRun& run, RenameLog* log) {
    run.rows.assign(requests.size(), {});
    run.stopped = false;
    GroupRunner runner(files, log);
    const auto& steps = plan.steps;
    std::size_t first = 0;
    while (first < steps.size()) {
        std::size_t last = first + 1;
        while (last < steps.size() && !steps[last].startsGroup) ++last;
        const FileError error = runner.run(steps, first, last);
        run.leftUnfinished = runner.putBackFailed();
        std::size_t rows = 0;
        for (std::size_t i = first; i < last; ++i) {
            const RenameStep& step = steps[i];
            if (!step.givesNewName) continue;
            for (const std::size_t row : {step.row, step.otherRow}) {
                run.rows[row] = {error == FileError::None, error};
                ++rows;
                if (step.kind != RenameStep::Kind::Exchange) break;
            }
        }
        first = last;
        if (!keepGoing(rows)) {
            run.stopped = first < steps.size();
            break;
        }
    }
}

}  // namespace vartel
