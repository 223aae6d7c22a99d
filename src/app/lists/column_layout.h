#pragma once

#include <QString>
#include <string>
#include <vector>

class QHeaderView;

namespace vartel {

class ProfileFile;

// The columns of a list as the user left them, as one line of text: each column from left to
// right as its number and its width, 0 for a hidden one ("0:128 1:70 5:150 6:0 2:70 3:120").
QString columnLayout(const QHeaderView& header);
// Puts the columns back so. A line that does not name every column once (another version's, or
// a damaged one) changes nothing, and no column that shows from the start is hidden by it.
void applyColumnLayout(QHeaderView& header, const QString& layout);

// A list's header and the section of the window's state file that keeps its columns.
struct KeptColumns {
    const char32_t* section;
    QHeaderView* header;
};

// The lists' columns as the window's state keeps them; without them they stay as they are.
void restoreColumns(const ProfileFile& state, const std::vector<KeptColumns>& lists);
// Adds the lists' columns to the state kept for the next start.
void keepColumns(ProfileFile& state, const std::vector<KeptColumns>& lists);

}  // namespace vartel
