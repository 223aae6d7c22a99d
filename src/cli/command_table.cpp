#include "cli/command_table.h"

#include <cstdio>

#include "cli/operation_arguments.h"
#include "workspace/batch/plan_texts.h"

namespace vartel::cli {
namespace {

constexpr std::string_view kOperationsIntro = R"(
OPERATION is one editing tab with its settings, typed as on the tab:
  --op add|delete|replace|number|extension [--set KEY=VALUE]...
Modes, ranges, kinds and forms are 0-based indices in the order of the tab's captions,
flags are 0 or 1, N and C are 1 to 255; a key not given keeps the tab's default.
)";

// Where a command's details list the values of --status.
constexpr std::string_view kStatusValues = "@STATUS_VALUES@\n";

std::string padded(std::string text, std::size_t width) {
    if (text.size() < width) text.resize(width, ' ');
    return text + " ";
}

// The words --status prints, each once, with what they mean.
std::string statusValuesHelp() {
    std::string text;
    for (const auto& row : kPlanStatuses) {
        if (row.help.empty()) continue;
        text += "                        " + padded(std::string(row.key), 10) +
                std::string(row.help) + "\n";
    }
    return text;
}

// A roff text line: hyphens as minus signs, and no control character at its start.
std::string roff(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\') {
            out += "\\e";
        } else if (c == '-') {
            out += "\\-";
        } else {
            out += c;
        }
    }
    if (!out.empty() && (out[0] == '.' || out[0] == '\'')) out.insert(0, "\\&");
    return out;
}

const std::vector<Command> kCommands = {
    {"macro-run",
     runMacroRun,
     "vartel-cli macro-run MACRO.vmc [--name STEM] [--ext EXT] [--path FULLPATH] "
     "[--table TABLE.csv] [--trace] [--guard-no N]",
     "run a macro once on a sample name, as the test window does",
     R"(Loads the macro and its four variable tables and runs it on the name STEM.EXT.
Prints the new name; with --trace first one line per executed line: number, output,
the three operand texts and the three operand numbers, separated by TAB.

  --name STEM         the stem of the sample name (default empty)
  --ext EXT           its extension, without the dot (default empty)
  --path FULLPATH     the file whose folder, size and time the file instructions read
  --table TABLE.csv   the multi-condition table of the lookup lines
  --trace             print the executed lines before the result
  --guard-no N        answer No to the first N repetition questions, Yes afterwards
                      (default 0)

Exit status: 0 done, 1 the run failed (the message on standard error), 2 usage,
3 stopped at a repetition question (no result), 130 stopped by Ctrl+C between two lines.
)",
     {"--name", "--ext", "--path", "--table", "--guard-no"},
     {"--trace"}},
    {"validate",
     runValidate,
     "vartel-cli validate --kind KIND --type TYPE [--target X] [--a A] [--b B] [--c C]",
     "check a macro line as the macro editor does",
     R"(Encodes and checks one line before the editor takes it over, and prints the number
of failures (0: valid) and the codes of the target and the three operands, separated
by TAB.

  --kind KIND         the instruction kind: its name in the chooser or its 0-based index
  --type TYPE         the instruction type within the kind: name or index
  --target X          the target variable
  --a A               the first operand as typed
  --b B               the second operand
  --c C               the third operand

Exit status: 0 checked (valid or not), 2 usage or an unknown kind or type.
)",
     {"--kind", "--type", "--target", "--a", "--b", "--c"},
     {}},
    {"preview",
     runPreview,
     "vartel-cli preview (--macro MACRO.vmc [--table TABLE.csv] | OPERATION | --names FILE | "
     "--pairs FILE.csv) [--status] [--literal-order] [--companions|--no-companions] "
     "[--folders [--recursive]] [-z|--null] [--] PATH...",
     "print the renames an operation or a macro proposes",
     R"(Takes the PATHs as a drop on the window does (files as they are, folders with their
whole tree, breadth first, symbolic links as rows of their own), runs the macro or
the operation over every row and prints each proposed rename: old name, new name and
full path, separated by TAB. Nothing is renamed. An empty file never becomes a row; one
named as a PATH is counted on standard error.

  --macro MACRO.vmc   run this macro over the rows
  --table TABLE.csv   the multi-condition table of its lookup lines
  OPERATION           or apply one editing operation (see below)
  --names FILE        or give the new names, one per line for the rows in the order
                      they are listed ("-" reads standard input); the counts must agree
                      and an unchanged line leaves its row alone
  --pairs FILE.csv    or give pairs of old name (or full path) and new name, one pair
                      per CSV line; rows no pair names stay and are counted
  --status            add a fourth field, what renaming the row will do:
@STATUS_VALUES@
  --literal-order     plan as rename --literal-order would carry it out
  --companions        rename each row's companion files with it (a raw file, a
                      sidecar, subtitles, lyrics or a cue sheet of the same stem; the
                      README lists them) and print each after its row; with --status
                      marked companion, or companion/STATUS when it fails
  --no-companions     leave companion files as they are (the default)
  --folders           the PATHs are folders, each a row of its own instead of its
                      files; its whole name is the stem
  --recursive         with --folders, every folder below them is a row too
  -z, --null          end every field in NUL and write names as they are

Exit status: 0 done, 1 the macro failed, the names do not fit the rows or a PATH
does not exist (the message on standard error), 2 usage, 5 a folder could not be read
whole (named on standard error; nothing is previewed), 130 stopped by Ctrl+C.
)",
     {"--macro", "--table", "--names", "--pairs"},
     {"--status", "--literal-order", "--companions", "--no-companions", "--folders", "--recursive",
      "-z", "--null"}},
    {"rename",
     runRename,
     "vartel-cli rename (--macro MACRO.vmc [--table TABLE.csv] | OPERATION | --names FILE | "
     "--pairs FILE.csv) [--status] "
     "[--literal-order] [--companions|--no-companions] "
     "[--folders [--recursive]] [-z|--null] [--] PATH...",
     "carry out those renames",
     R"(Does what preview does, prints the same lines, then carries the renames out, in an
order that lets chains and swaps of names succeed, writes every failed row on
standard error (old name, new name, reason, separated by TAB) and prints the
summary: "正常終了" or the number of failed renames followed by "個のエラーがあります".
A rename never replaces an existing file and never moves a file out of its folder.
The batch is journaled before the first rename (see recover).

  --macro MACRO.vmc   run this macro over the rows
  --table TABLE.csv   the multi-condition table of its lookup lines
  OPERATION           or apply one editing operation (see below)
  --names FILE        or give the new names, one per line for the rows in the order
                      they are listed ("-" reads standard input); the counts must agree
                      and an unchanged line leaves its row alone
  --pairs FILE.csv    or give pairs of old name (or full path) and new name, one pair
                      per CSV line; rows no pair names stay and are counted
  --status            print each row's planned status as preview --status does
  --literal-order     rename each row on its own from the last up, without reordering:
                      chains that run the wrong way and swaps then fail
  --companions        rename each row's companion files with it, as preview does; a
                      row whose companion cannot be renamed is not renamed either
  --no-companions     leave companion files as they are (the default)
  --folders           the PATHs are folders, each a row of its own instead of its
                      files; its whole name is the stem
  --recursive         with --folders, every folder below them is a row too
  -z, --null          end every field in NUL and write names as they are; the summary
                      then goes to standard error

Exit status: 0 every rename done, 1 the macro failed, the names do not fit the rows,
a PATH does not exist or the journal cannot be written, 2 usage, 4 a rename failed, 5 a folder could not be read
whole (nothing is renamed), 6 a batch cut short waits for recover, 130 stopped by
Ctrl+C (a preview cut short is never carried out).
)",
     {"--macro", "--table", "--names", "--pairs"},
     {"--status", "--literal-order", "--companions", "--no-companions", "--folders", "--recursive",
      "-z", "--null"}},
    {"edit",
     runEdit,
     "vartel-cli edit [--yes] [--literal-order] [--companions|--no-companions] "
     "[--folders [--recursive]] [-z|--null] [--] PATH...",
     "edit the new names in a text editor",
     R"(Takes the PATHs as preview does and opens the names of the rows, one per line, in
the user's editor ($VISUAL, else $EDITOR, else vi). When the editor ends, each line is
the new name of its row: the preview is printed with each row's status (as preview
--status prints it), and the renames are carried out as rename does once the question
is answered y. A line count that differs from the row count is refused; an unchanged
line leaves its row alone.

  --yes               rename without asking
  --literal-order     as for rename
  --companions        rename each row's companion files with it, as rename does
  --no-companions     leave companion files as they are (the default)
  --folders           the PATHs are folders, each a row of its own instead of its
                      files; its whole name is the stem
  --recursive         with --folders, every folder below them is a row too
  -z, --null          end every field in NUL and write names as they are

Exit status: 0 renamed, or nothing to rename, or the question answered no; 1 the
editor failed, the names do not fit the rows, a PATH does not exist or the journal
cannot be written; 2 usage; 4 a rename failed; 5 a folder could not be read whole;
6 a batch cut short waits for recover; 130 stopped by Ctrl+C.
)",
     {},
     {"--yes", "--literal-order", "--companions", "--no-companions", "--folders", "--recursive",
      "-z", "--null"}},
    {"history", runHistory, "vartel-cli history", "list the batches of the journal",
     R"(Prints every batch the journal keeps, oldest first: id, time, kind (execute, undo,
rename, recover), number of files renamed and state (finished, unfinished, undone),
separated by TAB.

Exit status: 0 done, 1 the journal folder cannot be made, 2 usage.
)"},
    {"undo", runUndo, "vartel-cli undo [ID]", "rename back the files of a batch",
     R"(Renames back every file the batch renamed: the last finished batch that is not an
undo, or the batch ID from history. A file that is no longer the one the batch renamed
is left alone and reported ("別のファイルに置き換わっています"). The undo is a batch of
its own; failed rows and the summary are written as by rename.

Exit status: 0 every rename done, 1 no such batch, 2 usage, 4 a rename failed, 6 a
batch cut short waits for recover.
)"},
    {"recover",
     runRecover,
     "vartel-cli recover [--finish | --undo]",
     "finish or put back a batch that was cut short",
     R"(Without an option, lists the batches cut short (id, kind, number of files) and exits
with 6. A file left under a temporary name or under two names is always brought back
to one of its two names.

  --finish            give every file of the batches cut short its new name
  --undo              give every file of them its old name

Exit status: 0 done or nothing to recover, 2 usage, 4 some files could not be
brought back, 6 there is something to recover and no option was given.
)",
     {},
     {"--finish", "--undo"}},
    {"record",
     runRecord,
     "vartel-cli record --sample NAME [--checked N] OPERATION... [--steps] "
     "[-o OUT.vmc --title T]",
     "record operations as a macro",
     R"(Starts a recording with the sample name, applies the operations in order and prints
the recorded macro's lines (number, target, kind, type, three operands), separated by
TAB. A step that finds no free variable prints "使える変数がありません" on standard
error and the recording goes on.

  --sample NAME       the file name the recording starts from
  --checked N         the number of checked files the numbering sees (default 0);
                      with group=1, the rows of the largest folder
  OPERATION...        one or more editing operations (see below)
  --steps             print the step list instead: name after, kind, detail
  -o OUT.vmc          save the macro to this file ...
  --title T           ... with this title

Exit status: 0 done, 1 the macro could not be saved, 2 usage.
)",
     {"--sample", "--checked", "-o", "--title"},
     {"--steps"}},
    {"macros",
     runMacros,
     "vartel-cli macros [-z|--null]",
     "list the saved macros the macro tab offers",
     R"(Prints the macros of the macro folders in the order the macro tab lists them,
the user's before the bundled ones: title and file, separated by TAB.

  -z, --null          end every field in NUL and write texts as they are

Exit status: 0 done, 1 a macro folder could not be read (the message on standard
error; the macros found are printed), 2 usage.
)",
     {},
     {"-z", "--null"}},
    {"info",
     runInfo,
     "vartel-cli info [-z|--null] [--] PATH...",
     "print what photos and music say about themselves",
     R"(Reads each file's own data and prints one record per file: path, date taken,
camera model, title, artist, album and track number, separated by TAB, each empty
where the file does not have it. The date taken is written as
2024-05-03T09:05:07.123+09:00, with its fraction and time zone when the photo has
them. Only the first part of a large file is read.

  -z, --null          end every field in NUL and write texts as they are

Exit status: 0 done, 1 a PATH is missing, is not a file, cannot be read or is a photo
or music file whose data is damaged (the message on standard error names it; the other
files are printed), 2 usage.
)",
     {},
     {"-z", "--null"}},
};

bool takesOperations(std::string_view name) {
    return name == "preview" || name == "rename" || name == "record";
}

}  // namespace

const std::vector<Command>& commands() {
    return kCommands;
}

const Command* findCommand(std::string_view name) {
    for (const auto& command : kCommands) {
        if (command.name == name) return &command;
    }
    return nullptr;
}

ArgumentReader readArguments(std::string_view command, const Arguments& args) {
    const Command* found = findCommand(command);
    ArgumentReader reader = found == nullptr
                                ? ArgumentReader(args, {}, {})
                                : ArgumentReader(args, found->valueOptions, found->flags);
    if (!reader.valid()) {
        std::fprintf(stderr, "vartel-cli %.*s: %s\n", static_cast<int>(command.size()),
                     command.data(), reader.problem().c_str());
    }
    return reader;
}

std::string programHelp(const ProgramFiles& files) {
    std::string text =
        "usage: vartel-cli COMMAND [OPTION]... [PATH]...\n"
        "       vartel-cli COMMAND --help\n"
        "       vartel-cli --help | --version\n\n"
        "Renames many files at once with the editing operations and macros of the Vartel\n"
        "window, without the window. Output is UTF-8, one record a line, fields separated\n"
        "by TAB. In a field, a line break is written \\n, a TAB \\t, a backslash \\\\, and\n"
        "any other control character or byte that is not UTF-8 \\xHH, so every record is\n"
        "one line with a fixed number of fields. With -z (--null), where a command takes it,\n"
        "every field ends in NUL instead and holds its text as it is. \"--\" ends the\n"
        "options: every word after it is a PATH.\n\nCommands:\n";
    for (const auto& help : kCommands) {
        std::string name(help.name);
        name.resize(12, ' ');
        text += "  " + name + std::string(help.summary) + "\n";
    }
    text +=
        "\nExit status: 0 success; 1 a run or a file failed (the message on standard error);\n"
        "2 usage; 3 macro-run stopped at a repetition question; 4 rename: a rename failed;\n"
        "5 preview, rename: a folder could not be read whole; 6 a batch cut short waits for\n"
        "recover; 130 stopped by Ctrl+C.\n"
        "Output that cannot be written (a full disk) makes any command fail.\n"
        "\nFiles:\n  user guide      " +
        files.guide + "\n";
    for (std::size_t i = 0; i < files.macroFolders.size(); ++i) {
        text += std::string(i == 0 ? "  macro folders   " : "                  ") +
                files.macroFolders[i] +
                (files.macroFolders[i] == files.macroSaveFolder ? "  (new macros)" : "") + "\n";
    }
    return text;
}

std::string commandHelp(const Command& help) {
    std::string details(help.details);
    if (const auto at = details.find(kStatusValues); at != std::string::npos)
        details.replace(at, kStatusValues.size(), statusValuesHelp());
    std::string text = "usage: " + std::string(help.usage) + "\n\n" + details;
    if (takesOperations(help.name)) text += std::string(kOperationsIntro) + operationsHelp();
    return text;
}

std::string operationsHelp() {
    std::string text;
    for (const auto& operation : operationDeclarations()) {
        text += "  " + padded(std::string(operation.name), 10) + "keys:";
        for (const auto& key : operation.keys) text += " " + std::string(key.name);
        text += "\n";
        for (const auto& key : operation.keys) {
            std::string line =
                "             " + padded(std::string(key.name) + "=" + key.placeholder, 12);
            switch (key.form) {
                case ValueForm::Choice:
                    for (std::size_t i = 0; i < key.values.size(); ++i) {
                        text += (i == 0 ? line : std::string(line.size(), ' ')) +
                                padded(std::to_string(i), 2) + key.values[i] + "\n";
                    }
                    continue;
                case ValueForm::Count:
                    line += "1 to 255, ";
                    break;
                case ValueForm::Number:
                    line += "a 32-bit integer, ";
                    break;
                case ValueForm::Flag:
                    line += "1: ";
                    break;
                case ValueForm::Text:
                    break;
            }
            text += line + key.meaning + "\n";
        }
    }
    return text;
}

std::string operationsManual() {
    std::string text;
    for (const auto& operation : operationDeclarations()) {
        text += ".TP\n.B " + roff(operation.name) + "\n";
        for (std::size_t k = 0; k < operation.keys.size(); ++k) {
            const OperationKey& key = operation.keys[k];
            if (k != 0) text += ".br\n";
            text += "\\fB" + roff(key.name) + "\\fR=\\fI" + roff(key.placeholder) + "\\fR";
            switch (key.form) {
                case ValueForm::Choice:
                    for (std::size_t i = 0; i < key.values.size(); ++i) {
                        text += "\n.br\n\\ \\ " + std::to_string(i) + " " + roff(key.values[i]);
                    }
                    text += "\n";
                    continue;
                case ValueForm::Count:
                    text += " 1 to 255, ";
                    break;
                case ValueForm::Number:
                    text += " a 32\\-bit integer, ";
                    break;
                case ValueForm::Flag:
                    text += " 1: ";
                    break;
                case ValueForm::Text:
                    text += " ";
                    break;
            }
            text += roff(key.meaning) + "\n";
        }
    }
    return text;
}

void printUsage(std::string_view command) {
    const Command* help = findCommand(command);
    if (help == nullptr) return;
    std::fprintf(stderr, "usage: %.*s\nTry 'vartel-cli %.*s --help' for more.\n",
                 static_cast<int>(help->usage.size()), help->usage.data(),
                 static_cast<int>(command.size()), command.data());
}

}  // namespace vartel::cli
