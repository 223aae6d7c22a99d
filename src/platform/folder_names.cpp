#include "platform/folder_names.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>

#include "common/text.h"
#include "platform/letter_case.h"

namespace vartel {
namespace {

// Kana and kanji (U+3000..U+9FFF, three bytes of UTF-8 led by E3..E9) have no letter case.
bool isCaselessKanaOrKanji(std::string_view name, std::size_t i) {
    const auto continues = [&](std::size_t at) {
        return at < name.size() && (static_cast<unsigned char>(name[at]) & 0xC0) == 0x80;
    };
    const auto lead = static_cast<unsigned char>(name[i]);
    return lead >= 0xE3 && lead <= 0xE9 && continues(i + 1) && continues(i + 2);
}

// Appends the bytes whose order is the order of the name's code points lower-cased, as the
// conversion list compares names, unless they are the name's own bytes; tells which it was.
// Most names are ASCII, kana and kanji, told apart without decoding them.
bool appendKey(std::string& keys, std::string_view name) {
    bool upper = false;
    for (std::size_t i = 0; i < name.size();) {
        const auto byte = static_cast<unsigned char>(name[i]);
        if (byte < 0x80) {
            upper |= byte >= 'A' && byte <= 'Z';
            ++i;
        } else if (isCaselessKanaOrKanji(name, i)) {
            i += 3;
        } else {
            Text text = textFromBytes(name);
            for (char32_t& c : text) c = toLowerChar(c);
            const std::size_t start = keys.size();
            appendOrderedBytes(keys, text);
            if (std::string_view(keys).substr(start) != name) return true;
            keys.resize(start);
            return false;
        }
    }
    if (!upper) return false;
    for (const char c : name) keys += c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
    return true;
}

// The first bytes of a key as two numbers that compare as the bytes do.
void fillHead(std::uint64_t (&head)[2], std::string_view key) {
    unsigned char bytes[sizeof head] = {};
    std::memcpy(bytes, key.data(), std::min(key.size(), sizeof bytes));
    for (std::size_t i = 0; i < 2; ++i) {
        std::uint64_t number;
        std::memcpy(&number, bytes + 8 * i, 8);
        head[i] = std::endian::native == std::endian::little ? __builtin_bswap64(number) : number;
    }
}

}  // namespace

bool FolderNames::readFrom(DIR* folder) {
    std::string keys;
    bool whole = true;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(folder);
        if (entry == nullptr) {
            whole = errno == 0;
            break;
        }
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") != 0 && std::strcmp(name, "..") != 0) add(name, keys);
    }
    sort(keys);
    return whole;
}

void FolderNames::add(std::string_view name, std::string& keys) {
    Name added;
    added.at = bytes_.size();
    added.length = static_cast<std::uint16_t>(name.size());
    bytes_ += name;
    bytes_ += '\0';
    added.keyAt = keys.size();
    if (appendKey(keys, name)) {
        added.keyLength = static_cast<std::uint16_t>(keys.size() - added.keyAt);
        fillHead(added.head, std::string_view(keys).substr(added.keyAt));
    } else {
        added.keyAt = kKeyIsName;  // not kept twice
        fillHead(added.head, name);
    }
    names_.push_back(added);
}

void FolderNames::sort(const std::string& keys) {
    // Names that differ only in letter case differ first in a character that is valid UTF-8 in
    // both, where the order of the bytes is the order of the code points.
    const auto pastTheHeads = [&](const Name& a, const Name& b) {
        const auto keyOf = [&](const Name& name) {
            return name.keyAt == kKeyIsName
                       ? std::string_view(bytes_).substr(name.at, name.length)
                       : std::string_view(keys).substr(name.keyAt, name.keyLength);
        };
        if (const int order = keyOf(a).compare(keyOf(b))) return order < 0;
        return std::string_view(bytes_).substr(a.at, a.length) <
               std::string_view(bytes_).substr(b.at, b.length);
    };
    std::sort(names_.begin(), names_.end(), [&](const Name& a, const Name& b) {
        if (a.head[0] != b.head[0]) return a.head[0] < b.head[0];
        if (a.head[1] != b.head[1]) return a.head[1] < b.head[1];
        return pastTheHeads(a, b);
    });
}

}  // namespace vartel
