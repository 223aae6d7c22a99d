#pragma once

namespace vartel {

// The selection and check commands that the three lists share. Unselected rows keep their
// check flags.
template <typename List>
void selectAllRows(List& rows) {
    for (auto& row : rows) row.selected = true;
}

template <typename List>
void invertSelectionOfRows(List& rows) {
    for (auto& row : rows) row.selected = !row.selected;
}

template <typename List>
void checkSelectedRows(List& rows) {
    for (auto& row : rows) row.checked = row.checked || row.selected;
}

template <typename List>
void uncheckSelectedRows(List& rows) {
    for (auto& row : rows) row.checked = row.checked && !row.selected;
}

template <typename List>
void invertCheckOfSelectedRows(List& rows) {
    for (auto& row : rows) row.checked = row.checked != row.selected;
}

// Index of the first selected row, or -1.
template <typename List>
int firstSelectedRow(const List& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].selected) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace vartel
