#pragma once

#include <QFile>
#include <QString>

#include "common/text.h"

namespace vartel {

// A path that Qt hands over (a drop, a folder pane) as the core holds it: the file system's
// bytes, so a name that is not UTF-8 stays byte-exact.
inline Text pathText(const QString& path) {
    const QByteArray bytes = QFile::encodeName(path);
    return textFromBytes(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

inline QString pathQString(const Text& path) {
    const std::string bytes = bytesFromText(path);
    return QFile::decodeName(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

}  // namespace vartel
