#include "platform/date_taken.h"

#include <cstdio>

namespace vartel {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads `count` digits at `position`; nothing when any of them is not a digit.
std::optional<int> digitsAt(std::string_view text, std::size_t position, std::size_t count) {
    if (position + count > text.size()) return std::nullopt;
    int value = 0;
    for (std::size_t i = position; i < position + count; ++i) {
        if (!isDigit(text[i])) return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

std::string_view trimmed(std::string_view text) {
    // Tags are padded with blanks or cut short by a NUL.
    text = text.substr(0, text.find('\0'));
    while (!text.empty() && (text.front() == ' ')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ')) text.remove_suffix(1);
    return text;
}

bool isPlausible(const LocalDateTime& at) {
    return at.year >= 1 && at.month >= 1 && at.month <= 12 && at.day >= 1 && at.day <= 31 &&
           at.hour <= 23 && at.minute <= 59 && at.second <= 60;
}

// "+hh:mm" or "-hh:mm"; "Z" is written as "+00:00". Anything else is dropped.
std::string offsetOf(std::string_view text) {
    if (text == "Z") return "+00:00";
    if (text.size() != 6 || (text[0] != '+' && text[0] != '-') || text[3] != ':') return {};
    const auto hours = digitsAt(text, 1, 2);
    const auto minutes = digitsAt(text, 4, 2);
    if (!hours || !minutes || *hours > 23 || *minutes > 59) return {};
    return std::string(text);
}

std::string fractionOf(std::string_view text) {
    for (char c : text) {
        if (!isDigit(c)) return {};
    }
    return std::string(text);
}

}  // namespace

std::string DateTaken::sortKey() const {
    char key[32];
    std::snprintf(key, sizeof key, "%04d%02d%02d%02d%02d%02d.", at.year, at.month, at.day, at.hour,
                  at.minute, at.second);
    return key + subseconds;
}

std::string DateTaken::isoText() const {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", at.year, at.month, at.day,
                  at.hour, at.minute, at.second);
    std::string result = text;
    if (!subseconds.empty()) result += "." + subseconds;
    return result + offset;
}

std::optional<DateTaken> parseTagDate(std::string_view date, std::string_view subseconds,
                                      std::string_view offset) {
    date = trimmed(date);
    if (date.size() != 19 || date[4] != ':' || date[7] != ':' || date[10] != ' ' ||
        date[13] != ':' || date[16] != ':') {
        return std::nullopt;
    }
    const auto year = digitsAt(date, 0, 4), month = digitsAt(date, 5, 2),
               day = digitsAt(date, 8, 2), hour = digitsAt(date, 11, 2),
               minute = digitsAt(date, 14, 2), second = digitsAt(date, 17, 2);
    if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
    DateTaken taken{{*year, *month, *day, *hour, *minute, *second},
                    fractionOf(trimmed(subseconds)),
                    offsetOf(trimmed(offset))};
    if (!isPlausible(taken.at)) return std::nullopt;
    return taken;
}

std::optional<DateTaken> parseIsoDate(std::string_view text) {
    text = trimmed(text);
    if (text.size() < 16 || text[4] != '-' || text[7] != '-' || text[10] != 'T' ||
        text[13] != ':') {
        return std::nullopt;
    }
    const auto year = digitsAt(text, 0, 4), month = digitsAt(text, 5, 2),
               day = digitsAt(text, 8, 2), hour = digitsAt(text, 11, 2),
               minute = digitsAt(text, 14, 2);
    if (!year || !month || !day || !hour || !minute) return std::nullopt;
    DateTaken taken{{*year, *month, *day, *hour, *minute, 0}, {}, {}};
    std::string_view rest = text.substr(16);
    if (!rest.empty() && rest[0] == ':') {
        const auto second = digitsAt(rest, 1, 2);
        if (!second) return std::nullopt;
        taken.at.second = *second;
        rest.remove_prefix(3);
        if (!rest.empty() && rest[0] == '.') {
            std::size_t end = 1;
            while (end < rest.size() && isDigit(rest[end])) ++end;
            taken.subseconds = std::string(rest.substr(1, end - 1));
            rest.remove_prefix(end);
        }
    }
    if (!rest.empty()) {
        taken.offset = offsetOf(rest);
        if (taken.offset.empty()) return std::nullopt;
    }
    if (!isPlausible(taken.at)) return std::nullopt;
    return taken;
}

}  // namespace vartel
