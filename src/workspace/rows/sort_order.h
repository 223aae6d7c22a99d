#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/text.h"

namespace vartel {

// The indices of rows in the order of a key each, ascending; rows of equal keys keep their
// order. Texts are ordered by code point.
std::vector<std::uint32_t> textOrder(std::size_t rows,
                                     const std::function<Text(std::size_t row)>& keyOf);
// The same for keys made as bytes, ordered byte by byte; appendKey appends one row's key.
std::vector<std::uint32_t> byteOrder(
    std::size_t rows, const std::function<void(std::string& bytes, std::size_t row)>& appendKey);
std::vector<std::uint32_t> numberOrder(const std::vector<std::int64_t>& keys);

}  // namespace vartel
