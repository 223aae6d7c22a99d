#pragma once

#include <vector>

#include "workspace/workspace.h"

namespace vartel {

struct TextSearch {
    enum Field { Name = 0, Extension, Path };
    enum Condition { Contains = 0, DoesNotContain };
    Text pattern;
    Field field = Name;
    Condition condition = Contains;
    bool narrowing = false;
    bool caseSensitive = false;
};

struct SizeSearch {
    enum Unit { Bytes = 0, Kilobytes, Megabytes, Gigabytes };
    enum Range { AtLeast = 0, AtMost };
    Text value;
    Unit unit = Bytes;
    Range range = AtLeast;
    bool narrowing = false;
};

// The terms of a search string: split at ASCII and full-width blanks, empty terms dropped.
std::vector<Text> searchTerms(const Text& pattern);

// Both change only the selection and write the hit count text. A size value that is not an
// integer throws VartelError with the conversion message.
void textSearch(Workspace& workspace, const TextSearch& search);
void sizeSearch(Workspace& workspace, const SizeSearch& search);

}  // namespace vartel
