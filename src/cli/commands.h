#pragma once

#include <string>
#include <vector>

namespace vartel::cli {

// Each command takes the arguments after its name and returns the process exit code:
// 0 success, 1 a failed run, 2 bad usage, 130 stopped by Ctrl+C; commands add their own codes
// where they say so.
using Arguments = std::vector<std::string>;

inline constexpr int kFailed = 1;
inline constexpr int kSomeRenamesFailed = 4;
inline constexpr int kWalkIncomplete = 5;  // a folder could not be read whole
// A renaming command refused because a batch was cut short and waits for recover.
inline constexpr int kUnfinishedBatchExit = 6;
inline constexpr int kInterruptedExit = 130;  // as a shell reports a program ended by SIGINT

int runMacroRun(const Arguments& args);
int runValidate(const Arguments& args);
// Walk the paths as a drop does and run the macro over the rows: preview prints the proposed
// renames; rename also carries them out and exits with 4 when any failed. A path that does not
// exist stops the command before anything is done (exit 1); a folder that could not be read
// whole stops it after the walk (exit 5): neither would be a complete preview.
int runPreview(const Arguments& args);
int runRename(const Arguments& args);
// Opens the user's editor on the names of the rows, shows the preview of what was edited with
// each row's status and asks before renaming (--yes does not ask).
int runEdit(const Arguments& args);
// The journal of renames: history lists the batches; undo renames back the last (or the
// given) finished batch; recover finishes or puts back a batch that was cut short.
int runHistory(const Arguments& args);
int runUndo(const Arguments& args);
int runRecover(const Arguments& args);
// Records the operations on a sample name and prints the macro's lines or its steps; -o also
// saves the macro.
int runRecord(const Arguments& args);
// Prints each file's path, date taken, camera model, title, artist, album and track, TAB
// separated and empty where the file has none; exits with 1 when a file could not be read.
int runInfo(const Arguments& args);
// Lists the saved macros as the macro tab offers them: title and file.
int runMacros(const Arguments& args);

}  // namespace vartel::cli
