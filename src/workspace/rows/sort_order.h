#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "common/text.h"

namespace vartel {

// The indices of rows in the order of a key each, ascending; rows of equal keys keep their
// order. Texts are ordered by code point.
std::vector<std::uint32_t> textOrder(std::size_t rows,
                                     const std::function<Text(std::size_t row)>& keyOf);
std::vector<std::uint32_t> numberOrder(const std::vector<std::int64_t>& keys);

}  // namespace vartel
