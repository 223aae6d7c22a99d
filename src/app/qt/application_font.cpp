#include "app/qt/application_font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>

namespace vartel {
namespace {

constexpr int kPointSize = 9;

}  // namespace

bool tellsDigitWidthsApart(const QFont& font) {
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(QStringLiteral("０１２３４５６７８９")) >=
           metrics.horizontalAdvance(QStringLiteral("0123456789")) * 3 / 2;
}

QFont applicationFont() {
    const QStringList installed = QFontDatabase::families();
    const QString original = QStringLiteral("ＭＳ Ｐゴシック");
    if (installed.contains(original)) {
        const QFont font(original, kPointSize);
        if (tellsDigitWidthsApart(font)) return font;
    }
    // Latin letters and half-width digits from the desktop's own sans serif font, Japanese from
    // a gothic that keeps full-width digits full width.
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    // The family the desktop's font resolves to: a generic name such as "Sans Serif" is not a
    // family of its own and would hand every character to the Japanese font.
    QStringList families = {QFontInfo(font).family()};
    for (const char* japanese : {"Noto Sans CJK JP", "IPAGothic"}) {
        const QString family = QString::fromUtf8(japanese);
        if (installed.contains(family)) {
            families << family;
            break;
        }
    }
    font.setFamilies(families);
    font.setPointSize(kPointSize);
    return font;
}

}  // namespace vartel
