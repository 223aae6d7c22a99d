#include "workspace/rows/modified_time.h"

namespace vartel {
namespace {

// Written by hand: the lists format a time for every row they show, and a formatted print costs
// more than the rest of the row.
void appendDigits(Text& text, int value, int width) {
    char32_t digits[8];
    int count = 0;
    do {
        digits[count++] = U'0' + static_cast<char32_t>(value % 10);
        value /= 10;
    } while (value > 0 && count < 8);
    while (count < width) digits[count++] = U'0';
    while (count > 0) text.push_back(digits[--count]);
}

}  // namespace

Text modifiedText(const LocalDateTime& t) {
    Text text;
    text.reserve(19);
    appendDigits(text, t.year, 4);
    text.push_back(U'/');
    appendDigits(text, t.month, 2);
    text.push_back(U'/');
    appendDigits(text, t.day, 2);
    if (t.hour != 0 || t.minute != 0 || t.second != 0) {
        text.push_back(U' ');
        appendDigits(text, t.hour, 1);
        text.push_back(U':');
        appendDigits(text, t.minute, 2);
        text.push_back(U':');
        appendDigits(text, t.second, 2);
    }
    return text;
}

// Seconds, minutes, hours, day and month in the low bits, the year above them.
constexpr int kSecondBits = 6, kMinuteBits = 6, kHourBits = 5, kDayBits = 5, kMonthBits = 4;

std::int64_t packedDateTime(const LocalDateTime& t) {
    std::int64_t packed = t.year;
    packed = (packed << kMonthBits) | t.month;
    packed = (packed << kDayBits) | t.day;
    packed = (packed << kHourBits) | t.hour;
    packed = (packed << kMinuteBits) | t.minute;
    return (packed << kSecondBits) | t.second;
}

LocalDateTime unpackedDateTime(std::int64_t packed) {
    const auto take = [&](int bits) {
        const auto value = static_cast<int>(packed & ((std::int64_t{1} << bits) - 1));
        packed >>= bits;
        return value;
    };
    LocalDateTime t;
    t.second = take(kSecondBits);
    t.minute = take(kMinuteBits);
    t.hour = take(kHourBits);
    t.day = take(kDayBits);
    t.month = take(kMonthBits);
    t.year = static_cast<int>(packed);
    return t;
}

}  // namespace vartel
