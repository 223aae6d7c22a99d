#pragma once

#include <vector>

#include "common/dialogs.h"
#include "macro/multi_condition_table.h"

namespace vartel {

// The commands of the tab "複数条件". Failures of the file layer are thrown as VartelError.

// "読み込み" (replace) and the top "追加": the pairs of a chosen file. The file is read before
// anything is replaced, so a file that cannot be read leaves the table as it was.
void loadMultiConditionTable(MultiConditionTable& table, bool replace, Dialogs& dialogs);

// The bottom "追加": appends the typed pair. Refuses an empty field; a field of blanks is
// not empty. True when the pair was added.
bool addPair(MultiConditionTable& table, const Text& search, const Text& output, Dialogs& dialogs);

// "削除": removes the selected rows (indices in any order).
void deletePairs(MultiConditionTable& table, const std::vector<int>& selected);

// "保存": writes the table to a chosen file.
void saveTable(const MultiConditionTable& table, Dialogs& dialogs);

}  // namespace vartel
