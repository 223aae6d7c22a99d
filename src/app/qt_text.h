#pragma once

#include <QFile>
#include <QString>

#include "common/text.h"

namespace vartel {

// Texts of the core as the widgets show them, and back.
inline QString toQString(const Text& text) {
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}
inline Text toText(const QString& text) {
    const auto ucs4 = text.toUcs4();
    return Text(ucs4.begin(), ucs4.end());
}

// A path that Qt hands over (a drop, a folder pane) as the core holds it: the file system's
// bytes, so a name that is not UTF-8 stays byte-exact.
inline Text pathText(const QString& path) {
    const QByteArray bytes = QFile::encodeName(path);
    return textFromBytes(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}
inline QString pathQString(const Text& path) {
    const std::string bytes = bytesFromText(path);
    return QFile::decodeName(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

}  // namespace vartel
