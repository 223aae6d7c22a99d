#include "macro/macro_file.h"

#include "common/integer_text.h"
#include "macro/messages.h"
#include "macro/variables.h"
#include "platform/profile_file.h"

namespace vartel {
namespace {

const Text kMain = U"Main";
const Text kCaption = U"Caption";
const Text kVersion = U"Version";
const Text kLineCount = U"LineCount";
const std::array<Text, 6> kLineKeys = {U"Sub", U"Kind", U"Type", U"Vari1", U"Vari2", U"Vari3"};

Text lineSection(int number) {
    return U"So" + formatInteger(number);
}
Text codedSection(int number) {
    return lineSection(number) + U"-Int";
}
Text tableSection(int table) {
    return U"Val" + formatInteger(table + 1);
}
Text tableKey(int entry) {
    return U"Str" + formatInteger(entry);
}

std::array<Text, 6> displayFields(const DisplayRow& row) {
    return {row.target, row.kind, row.type, row.operands[0], row.operands[1], row.operands[2]};
}

Text valueOr(const ProfileFile& file, const Text& section, const Text& key, const Text& fallback) {
    auto value = file.value(section, key);
    return value ? std::move(*value) : fallback;
}

}  // namespace

void saveMacroFile(const MacroProgram& program, const std::string& path, const Text& title) {
    ProfileFile file;
    file.append(kMain, kCaption, title);
    file.append(kMain, kVersion, kMacroFileVersion);
    file.append(kMain, kLineCount, formatInteger(program.lineCount()));
    for (int i = 0; i < program.lineCount(); ++i) {
        const MacroLine& line = program.line(i);
        const auto display = displayFields(line.display);
        for (std::size_t f = 0; f < kLineKeys.size(); ++f) {
            file.append(lineSection(i + 1), kLineKeys[f], display[f]);
        }
        for (std::size_t f = 0; f < kLineKeys.size(); ++f) {
            file.append(codedSection(i + 1), kLineKeys[f], line.coded.text(static_cast<int>(f)));
        }
    }
    for (int t = 0; t < 4; ++t) {
        const auto& entries = program.tables()[static_cast<std::size_t>(t)].entries;
        for (int j = 0; j < 16; ++j) {
            const auto& entry = entries[static_cast<std::size_t>(j)];
            file.append(tableSection(t), tableKey(j), entry.name + U"=" + entry.value);
        }
    }
    // Written whole through a temporary file, so no section of an older, longer file survives.
    file.write(path);
}

bool loadMacroFile(MacroProgram& program, const std::string& path, Dialogs& dialogs) {
    const ProfileFile file = ProfileFile::read(path);
    const auto lineCount = parseInteger(valueOr(file, kMain, kLineCount, U"0")).value_or(0);
    if (valueOr(file, kMain, kVersion, U"0.1") != kMacroFileVersion) {
        dialogs.message(messages::kVersionMismatch);
        return false;
    }
    if (lineCount > kMaxMacroLines) {
        dialogs.message(messages::kTooManyMacroLines);
        return false;
    }
    program.clearLines();
    for (int number = 1; number <= lineCount; ++number) {
        std::array<Text, 6> display;
        std::array<Text, 6> coded;
        for (std::size_t f = 0; f < kLineKeys.size(); ++f) {
            display[f] = valueOr(file, lineSection(number), kLineKeys[f], {});
            coded[f] = valueOr(file, codedSection(number), kLineKeys[f], {});
        }
        program.appendLine(
            {{display[0], display[1], display[2], {display[3], display[4], display[5]}},
             CodedRow(coded)});
    }
    for (int t = 0; t < 4; ++t) {
        auto& entries = program.tables()[static_cast<std::size_t>(t)].entries;
        for (int j = 0; j < 16; ++j) {
            const Text stored =
                valueOr(file, tableSection(t), tableKey(j), variableName(16 * t + j + 1) + U"=0");
            const auto equals = stored.find(U'=');
            auto& entry = entries[static_cast<std::size_t>(j)];
            entry.name = stored.substr(0, equals);
            entry.value = equals == Text::npos ? Text() : stored.substr(equals + 1);
        }
    }
    return true;
}

std::optional<Text> readMacroCaption(const std::string& path) {
    return ProfileFile::readValue(path, kMain, kCaption);
}

}  // namespace vartel
