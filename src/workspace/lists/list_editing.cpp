#include "workspace/lists/list_editing.h"

#include <algorithm>
#include <limits>

#include "macro/japanese_readings.h"
#include "platform/japanese_collation.h"
#include "platform/letter_case.h"
#include "workspace/rows/row_flags.h"
#include "workspace/rows/sort_order.h"

namespace vartel {
namespace {

// Runs an edit of the conversion list unless a long command is walking it.
template <typename Edit>
void edit(Workspace& workspace, Edit change) {
    if (!workspace.busy()) change(workspace.conversionList());
}

// Moves the rows flagged in `moving` to the place `before` (an index among the rows that do not
// move), keeping both groups in order. One pass, whatever the number of rows.
void moveRowsTo(ConversionList& rows, const std::vector<char>& moving, std::size_t before) {
    ConversionList staying;
    ConversionList moved;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        (moving[i] ? moved : staying).push_back(std::move(rows[i]));
    }
    for (auto& row : moved) row.selected = false;
    staying.insert(staying.begin() + static_cast<std::ptrdiff_t>(before),
                   std::make_move_iterator(moved.begin()), std::make_move_iterator(moved.end()));
    rows = std::move(staying);
}

// A photo column's key: rows with a value first, in the value's order, then the rest.
Text photoKey(const Text& value) {
    return value.empty() ? Text(U"1") : U"0" + value;
}

}  // namespace

void selectAll(Workspace& workspace) {
    edit(workspace, selectAllRows<ConversionList>);
}
void invertSelection(Workspace& workspace) {
    edit(workspace, invertSelectionOfRows<ConversionList>);
}
void checkSelected(Workspace& workspace) {
    edit(workspace, checkSelectedRows<ConversionList>);
}
void uncheckSelected(Workspace& workspace) {
    edit(workspace, uncheckSelectedRows<ConversionList>);
}
void invertCheck(Workspace& workspace) {
    edit(workspace, invertCheckOfSelectedRows<ConversionList>);
}

void exclude(Workspace& workspace) {
    if (workspace.busy()) return;
    std::erase_if(workspace.conversionList(), [](const FileEntry& row) { return row.selected; });
    workspace.writeListCount();
}

void cut(Workspace& workspace) {
    if (workspace.busy()) return;
    auto& buffer = workspace.cutBuffer();
    buffer.clear();
    for (const auto& row : workspace.conversionList()) {
        if (row.selected) buffer.push_back(row);
    }
    exclude(workspace);
}

void paste(Workspace& workspace) {
    if (workspace.busy()) return;
    const auto& buffer = workspace.cutBuffer();
    auto& rows = workspace.conversionList();
    const auto position = rows.begin() + (firstSelectedRow(rows) + 1);
    const auto pasted = rows.insert(position, buffer.begin(), buffer.end());
    for (auto row = pasted; row != pasted + static_cast<std::ptrdiff_t>(buffer.size()); ++row) {
        row->selected = true;
    }
    workspace.writeListCount();
}

void moveUp(Workspace& workspace) {
    edit(workspace, [](ConversionList& rows) {
        for (std::size_t i = 1; i < rows.size(); ++i) {
            if (rows[i].selected && !rows[i - 1].selected) std::swap(rows[i], rows[i - 1]);
        }
    });
}

void moveDown(Workspace& workspace) {
    edit(workspace, [](ConversionList& rows) {
        for (std::size_t i = rows.size(); i-- > 1;) {
            if (rows[i - 1].selected && !rows[i].selected) std::swap(rows[i], rows[i - 1]);
        }
    });
}

std::vector<int> dragRecord(const ConversionList& rows) {
    std::vector<int> dragged;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].selected) dragged.push_back(static_cast<int>(i));
    }
    return dragged;
}

void dropRows(Workspace& workspace, const std::vector<int>& dragged, int target) {
    edit(workspace, [&](ConversionList& rows) {
        const int count = static_cast<int>(rows.size());
        if (dragged.empty() || count == 0) return;
        // A record that no longer fits the list (it changed since the drag began) moves nothing.
        for (std::size_t j = 0; j < dragged.size(); ++j) {
            if (dragged[j] < 0 || dragged[j] >= count || (j > 0 && dragged[j] <= dragged[j - 1])) {
                return;
            }
        }
        const int last = count - 1;
        if (target < 0 || target > last) target = last;
        std::vector<char> moving(rows.size(), 0);
        for (const int d : dragged) moving[static_cast<std::size_t>(d)] = 1;
        const auto staying = static_cast<std::size_t>(count) - dragged.size();
        // Where the moved rows go, counted among the rows that stay.
        std::size_t before = 0;
        if (target == last) {
            before = staying;
        } else if (dragged.front() > target) {
            before = static_cast<std::size_t>(target);
        } else if (dragged.back() < target) {
            before = static_cast<std::size_t>(target) + 1 - dragged.size();
        } else {
            return;
        }
        moveRowsTo(rows, moving, before);
    });
}

void sortByColumn(Workspace& workspace, SortColumn column) {
    if (workspace.busy()) return;
    auto& rows = workspace.conversionList();
    const auto textKeys = [&rows](auto keyOf) {
        return textOrder(rows.size(), [&](std::size_t i) { return keyOf(rows[i]); });
    };
    const auto numberKeys = [&rows](auto keyOf) {
        std::vector<std::int64_t> keys;
        keys.reserve(rows.size());
        for (const auto& row : rows) keys.push_back(keyOf(row));
        return numberOrder(keys);
    };
    std::vector<std::uint32_t> order;
    switch (column) {
        case SortColumn::Name:
            order = textKeys([](const FileEntry& row) { return toLower(row.name); });
            break;
        case SortColumn::Extension:
            order = textKeys([](const FileEntry& row) { return toLower(row.extension()); });
            break;
        case SortColumn::FullPath:
            order = textKeys([](const FileEntry& row) { return toLower(row.fullPath()); });
            break;
        case SortColumn::Size:
            order = numberKeys([](const FileEntry& row) {
                // Folders come before every file; no file has a negative size.
                return row.isFolder() ? std::numeric_limits<std::int64_t>::min() : row.facts.size;
            });
            break;
        case SortColumn::Modified:
            order = numberKeys([](const FileEntry& row) { return row.facts.modified; });
            break;
        case SortColumn::DateTaken:
            order = textKeys([](const FileEntry& row) {
                return photoKey(
                    textFromBytes(row.photoFacts ? row.photoFacts->dateSortKey : std::string()));
            });
            break;
        case SortColumn::CameraModel:
            order = textKeys([](const FileEntry& row) {
                return photoKey(row.photoFacts ? toLower(row.photoFacts->cameraModel) : Text());
            });
            break;
        case SortColumn::Reading:
            order = byteOrder(rows.size(), [&rows](std::string& bytes, std::size_t i) {
                appendJapaneseOrderKey(bytes, katakanaReading(rows[i].name));
            });
            break;
    }
    ConversionList sorted;
    sorted.reserve(rows.size());
    for (const std::uint32_t i : order) sorted.push_back(std::move(rows[i]));
    rows = std::move(sorted);
}

}  // namespace vartel
