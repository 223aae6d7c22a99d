#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/text.h"
#include "platform/file_system.h"

namespace vartel {

// A row may stand for a folder itself rather than a file; its size column then holds this text
// instead of a number, which is how the row keeps knowing it through the preview, the history
// and the cut buffer.
bool isFolderSizeText(const Text& size);
// What the photo columns of a row show, read the first time one of them is shown.
struct PhotoFacts {
    Text dateTaken;           // as the modified column writes times; empty without a date
    std::string dateSortKey;  // orders like the date taken, sub-seconds included
    Text cameraModel;
};

// One row of the conversion list. Every field is text, as the list shows it; size and modified
// are parsed back only when a command needs their values.
struct FileEntry {
    Text name;       // last path component, extension included
    Text extension;  // from the last "." of the name, dot included; empty without a "." and
                     // for a folder, whose whole name is its stem
    Text size;       // bytes, plain decimal; "<フォルダ>" for a folder
    Text modified;   // local time, yyyy/MM/dd H:mm:ss, the time left out at exactly 00:00:00
    Text fullPath;
    bool checked = true;
    bool selected = false;
    FileIdentity identity{};  // unknown for rows read from a list file

    bool isFolder() const { return isFolderSizeText(size); }
    // Nothing until the photo columns were shown; shared, so copying a row stays cheap.
    std::shared_ptr<const PhotoFacts> photoFacts = nullptr;
};

using ConversionList = std::vector<FileEntry>;

// The row intake makes for the entry at the path; the name is the path's last component. A
// folder becomes a row that stands for the folder itself.
FileEntry fileEntryOf(const Text& fullPath, const FileStatus& status);
// The row for a path whose size and modified texts are known already.
FileEntry fileEntryAt(const Text& fullPath, const Text& size, const Text& modified);

// The size column's text, and its value for sorting and searching; nothing when the text is
// not a plain decimal number.
Text sizeText(std::int64_t bytes);
std::optional<std::int64_t> parseSizeText(const Text& text);

}  // namespace vartel
