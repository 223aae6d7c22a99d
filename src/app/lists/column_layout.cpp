#include "app/lists/column_layout.h"

#include <QHeaderView>
#include <QStringList>
#include <utility>
#include <vector>

#include "app/qt/qt_text.h"
#include "platform/profile_file.h"

namespace vartel {
namespace {

constexpr char32_t kColumnsKey[] = U"Columns";

// The columns of a layout line, left to right, as column and width; empty unless it names
// every one of the header's columns once.
std::vector<std::pair<int, int>> columnsOf(const QString& layout, int count) {
    std::vector<std::pair<int, int>> columns;
    std::vector<bool> named(static_cast<std::size_t>(count), false);
    for (const QString& part : layout.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList fields = part.split(QLatin1Char(':'));
        bool isColumn = false;
        bool isWidth = false;
        const int column = fields.value(0).toInt(&isColumn);
        const int width = fields.value(1).toInt(&isWidth);
        if (fields.size() != 2 || !isColumn || !isWidth || column < 0 || column >= count ||
            named[static_cast<std::size_t>(column)] || width < 0)
            return {};
        named[static_cast<std::size_t>(column)] = true;
        columns.emplace_back(column, width);
    }
    if (static_cast<int>(columns.size()) != count) return {};
    return columns;
}

}  // namespace

QString columnLayout(const QHeaderView& header) {
    QStringList columns;
    for (int visual = 0; visual < header.count(); ++visual) {
        const int column = header.logicalIndex(visual);
        const int width = header.isSectionHidden(column) ? 0 : header.sectionSize(column);
        columns << QStringLiteral("%1:%2").arg(column).arg(width);
    }
    return columns.join(QLatin1Char(' '));
}

void applyColumnLayout(QHeaderView& header, const QString& layout) {
    const auto columns = columnsOf(layout, header.count());
    for (int visual = 0; visual < static_cast<int>(columns.size()); ++visual) {
        const auto [column, width] = columns[static_cast<std::size_t>(visual)];
        header.moveSection(header.visualIndex(column), visual);
        if (width == 0) continue;
        header.showSection(column);
        // A last column that stretches to the list's edge is as wide as the list leaves it.
        if (header.stretchLastSection() && visual == header.count() - 1) continue;
        header.resizeSection(column, qMax(width, header.minimumSectionSize()));
    }
}

void restoreColumns(const ProfileFile& state, const std::vector<KeptColumns>& lists) {
    for (const KeptColumns& list : lists) {
        if (const auto layout = state.value(list.section, kColumnsKey))
            applyColumnLayout(*list.header, toQString(*layout));
    }
}

void keepColumns(ProfileFile& state, const std::vector<KeptColumns>& lists) {
    for (const KeptColumns& list : lists)
        state.append(list.section, kColumnsKey, toText(columnLayout(*list.header)));
}

}  // namespace vartel
