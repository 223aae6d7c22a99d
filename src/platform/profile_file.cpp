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

}  // namespace

ProfileFile ProfileFile::fromLines(const std::vector<Text>& lines) {
    ProfileFile profile;
    Section* current = nullptr;
    for (const auto& raw : lines) {
        const std::u32string_view line = trimBlanks(raw);
        if (line.starts_with(U'[')) {
            const auto close = line.find(U']');
            if (close == std::u32string_view::npos) continue;
            const Text name(trimBlanks(line.substr(1, close - 1)));
            current = profile.findSection(name);
            if (!current) current = profile.addSection(name);
            continue;
        }
        const auto equals = line.find(U'=');
        if (!current || equals == std::u32string_view::npos) continue;
        current->entries.push_back(
            {Text(trimBlanks(line.substr(0, equals))), unquote(line.substr(equals + 1))});
    }
    return profile;
}

ProfileFile ProfileFile::read(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 && errno == ENOENT) return {};
    return fromLines(readTextFile(path));
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
        for (const auto& entry : section.entries) out.push_back(entry.key + U"=" + entry.value);
    }
    return out;
}

void ProfileFile::write(const std::string& path) const {
    writeTextFile(path, lines());
}

ProfileFile::Section* ProfileFile::findSection(std::u32string_view name) {
    const auto found = sectionIndex_.find(toLower(name));
    return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

ProfileFile::Section* ProfileFile::addSection(const Text& name) {
    sectionIndex_.emplace(toLower(name), sections_.size());
    sections_.push_back({name, {}});
    return &sections_.back();
}

const ProfileFile::Section* ProfileFile::findSection(std::u32string_view name) const {
    return const_cast<ProfileFile*>(this)->findSection(name);
}

}  // namespace vartel
