#pragma once

#include <QString>

#include "common/text.h"

namespace vartel {

// Text holds one character per element, as QString's UCS-4 form does.
inline QString toQString(const Text& text) {
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

inline Text toText(const QString& text) {
    const auto characters = text.toUcs4();
    return Text(characters.begin(), characters.end());
}

}  // namespace vartel
