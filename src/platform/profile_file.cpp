#include "platform/profile_file.h"

#include <sys/stat.h>

#include <cerrno>

#include "platform/letter_case.h"
#include "platform/text_file.h"

namespace vartel {
namespace {

bool isBlank(char32_t c) {
    return c == U' ' || c == U'\t';
}

std::u32string_view trimBlanks(std::u32string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool sameName(std::u32string_view a, std::u32string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!sameIgnoringCase(a[i], b[i])) return false;
    }
    return true;
}

Text unquote(std::u32string_view value) {
    value = trimBlanks(value);
    if (value.size() >= 2 && (value.front() == U'"' || value.front() == U'\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return Text(value);
}

// Reading drops the blanks at a value's ends and one pair of enclosing quotes, so a value that
// would lose something is written between double quotes; every other value is written as is.
Text quoted(const Text& value) {
    const auto needsQuotes = [](char32_t c) { return isBlank(c) || c == U'"' || c == U'\''; };
    if (value.empty() || (!needsQuotes(value.front()) && !needsQuotes(value.back()))) return value;
    return U"\"" + value + U"\"";
}

struct EntryLine {
    Text key;
    Text value;
};

// A "key=value" line, or nothing for a line that is neither an entry nor a section.
std::optional<EntryLine> entryOf(std::u32string_view line) {
    const auto equals = line.find(U'=');
    if (equals == std::u32string_view::npos) return std::nullopt;
    return EntryLine{Text(trimBlanks(line.substr(0, equals))), unquote(line.substr(equals + 1))};
}

// The name of a "[name]" line; nothing for other lines, and for a section line without its "]"
// (which leaves the section before it current).
std::optional<Text> sectionNameOf(std::u32string_view line) {
    if (!line.starts_with(U'[')) return std::nullopt;
    const auto close = line.find(U']');
    if (close == std::u32string_view::npos) return std::nullopt;
    return Text(trimBlanks(line.substr(1, close - 1)));
}

bool fileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 || errno != ENOENT;
}

}  // namespace

void ProfileFile::takeLine(std::u32string_view line, Section*& current) {
    line = trimBlanks(line);
    if (line.starts_with(U'[')) {
        if (const auto name = sectionNameOf(line)) {
            current = findSection(*name);
            if (!current) current = addSection(*name);
        }
        return;
    }
    if (!current) return;
    if (auto entry = entryOf(line)) {
        current->entries.push_back({std::move(entry->key), std::move(entry->value)});
    }
}

ProfileFile ProfileFile::fromLines(const std::vector<Text>& lines) {
    ProfileFile profile;
    Section* current = nullptr;
    for (const auto& line : lines) profile.takeLine(line, current);
    return profile;
}

ProfileFile ProfileFile::read(const std::string& path) {
    ProfileFile profile;
    if (!fileExists(path)) return profile;
    Section* current = nullptr;
    readTextLines(path, [&](Text&& line) {
        profile.takeLine(line, current);
        return true;
    });
    return profile;
}

std::optional<Text> ProfileFile::readValue(const std::string& path, std::u32string_view section,
                                           std::u32string_view key) {
    if (!fileExists(path)) return std::nullopt;
    std::optional<Text> found;
    bool inSection = false;
    readTextLines(path, [&](Text&& raw) {
        const std::u32string_view line = trimBlanks(raw);
        if (line.starts_with(U'[')) {
            if (const auto name = sectionNameOf(line)) inSection = sameName(*name, section);
            return true;
        }
        if (!inSection) return true;
        auto entry = entryOf(line);
        if (entry && sameName(entry->key, key)) found = std::move(entry->value);
        return !found;
    });
    return found;
}

std::optional<Text> ProfileFile::value(std::u32string_view section, std::u32string_view key) const {
    const Section* found = findSection(section);
    if (!found) return std::nullopt;
    for (const auto& entry : found->entries) {
        if (sameName(entry.key, key)) return entry.value;
    }
    return std::nullopt;
}

void ProfileFile::append(const Text& section, const Text& key, const Text& value) {
    Section* target = findSection(section);
    if (!target) target = addSection(section);
    target->entries.push_back({key, value});
}

std::vector<Text> ProfileFile::lines() const {
    std::vector<Text> out;
    for (const auto& section : sections_) {
        out.push_back(U"[" + section.name + U"]");
        for (const auto& entry : section.entries) {
            out.push_back(entry.key + U"=" + quoted(entry.value));
        }
    }
    return out;
}

void ProfileFile::write(const std::string& path) const {
    writeTextFile(path, lines());
}

ProfileFile::Section* ProfileFile::findSection(std::u32string_view name) {
    const auto found = sectionIndex_.find(toUpper(name));
    return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

ProfileFile::Section* ProfileFile::addSection(const Text& name) {
    sectionIndex_.emplace(toUpper(name), sections_.size());
    sections_.push_back({name, {}});
    return &sections_.back();
}

const ProfileFile::Section* ProfileFile::findSection(std::u32string_view name) const {
    return const_cast<ProfileFile*>(this)->findSection(name);
}

}  // namespace vartel
