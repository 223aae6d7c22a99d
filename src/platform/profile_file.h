#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/text.h"

namespace vartel {

// An INI-style file of sections and "key=value" entries, stored as a text file.
// Reading rules: section and key names compare without regard to case; a value is everything
// after the first "=", without the blanks at its ends and without one pair of enclosing ' or ".
// The first of two equal sections or keys wins.
class ProfileFile {
  public:
    static ProfileFile fromLines(const std::vector<Text>& lines);
    // A file that does not exist reads as an empty profile, as every key then takes its default.
    static ProfileFile read(const std::string& path);
    // One value, reading the file only as far as it: a catalogue of many files needs only titles.
    static std::optional<Text> readValue(const std::string& path, std::u32string_view section,
                                         std::u32string_view key);

    std::optional<Text> value(std::u32string_view section, std::u32string_view key) const;

    // Appends the entry to its section, the section after the others when it is new.
    void append(const Text& section, const Text& key, const Text& value);
    std::vector<Text> lines() const;
    void write(const std::string& path) const;

  private:
    struct Entry {
        Text key;
        Text value;
    };
    struct Section {
        Text name;
        std::vector<Entry> entries;
    };
    Section* findSection(std::u32string_view name);
    const Section* findSection(std::u32string_view name) const;
    Section* addSection(const Text& name);
    // Takes one line of the file into the section it belongs to, the current one.
    void takeLine(std::u32string_view line, Section*& current);

    std::vector<Section> sections_;
    std::unordered_map<Text, std::size_t> sectionIndex_;  // by upper-case name
};

}  // namespace vartel
