#include "cli/output.h"

#include <cstdio>

#include "cli/argument_reader.h"
#include "common/integer_text.h"

namespace vartel::cli {
namespace {

enum class RecordForm { Lines, NulTerminated };
RecordForm currentForm = RecordForm::Lines;

constexpr char kHexDigits[] = "0123456789abcdef";

void appendHexEscape(std::string& out, unsigned byte) {
    out += "\\x";
    out += kHexDigits[(byte >> 4) & 0xF];
    out += kHexDigits[byte & 0xF];
}

void appendEscaped(std::string& out, std::u32string_view text) {
    for (const char32_t c : text) {
        if (c == U'\n') {
            out += "\\n";
        } else if (c == U'\t') {
            out += "\\t";
        } else if (c == U'\\') {
            out += "\\\\";
        } else if (c < 0x20 || c == 0x7F) {
            appendHexEscape(out, static_cast<unsigned>(c));
        } else if (c >= 0xDC80 && c <= 0xDCFF) {  // a byte that is not UTF-8
            appendHexEscape(out, static_cast<unsigned>(c - 0xDC00));
        } else {
            appendBytesFromText(out, std::u32string_view(&c, 1));
        }
    }
}

void write(std::FILE* stream, const std::string& bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
}

}  // namespace

void takeRecordForm(const ArgumentReader& reader) {
    currentForm =
        reader.has("-z") || reader.has("--null") ? RecordForm::NulTerminated : RecordForm::Lines;
}

void appendField(std::string& out, std::u32string_view text, bool last) {
    if (currentForm == RecordForm::Lines) {
        appendEscaped(out, text);
        out += last ? '\n' : '\t';
        return;
    }
    // A NUL cannot be in a name on disk; a name a macro made with one ends there, as the
    // system would read it.
    appendBytesFromText(out, text.substr(0, text.find(U'\0')));
    out += '\0';
}

void printRecord(const std::vector<Text>& fields) {
    std::string bytes;
    for (std::size_t i = 0; i < fields.size(); ++i)
        appendField(bytes, fields[i], i + 1 == fields.size());
    write(stdout, bytes);
}

void printErrorRecord(const std::vector<Text>& fields) {
    std::string bytes;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        appendEscaped(bytes, fields[i]);
        bytes += i + 1 == fields.size() ? '\n' : '\t';
    }
    write(stderr, bytes);
}

void printLine(const Text& line) {
    write(currentForm == RecordForm::Lines ? stdout : stderr, bytesFromText(line) + "\n");
}

void printErrorLine(const Text& line) {
    write(stderr, bytesFromText(line) + "\n");
}

std::optional<std::string> unescapedField(std::string_view field) {
    std::string bytes;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            bytes += field[i];
            continue;
        }
        if (++i >= field.size()) return std::nullopt;
        switch (field[i]) {
            case 'n':
                bytes += '\n';
                break;
            case 't':
                bytes += '\t';
                break;
            case '\\':
                bytes += '\\';
                break;
            case 'x': {
                const int high = i + 1 < field.size() ? hexDigitValue(field[i + 1]) : -1;
                const int low = i + 2 < field.size() ? hexDigitValue(field[i + 2]) : -1;
                if (high < 0 || low < 0) return std::nullopt;
                bytes += static_cast<char>(high * 16 + low);
                i += 2;
                break;
            }
            default:
                return std::nullopt;
        }
    }
    return bytes;
}

}  // namespace vartel::cli
