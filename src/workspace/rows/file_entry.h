#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/text.h"
#include "platform/clock.h"
#include "platform/file_system.h"

namespace vartel {

// What the photo columns of a row show, read the first time one of them is shown.
struct PhotoFacts {
    Text dateTaken;           // as the modified column writes times; empty without a date
    std::string dateSortKey;  // orders like the date taken, sub-seconds included
    Text cameraModel;
};

// The folder part of a row's full path, its last "/" included (empty for a path without one).
// Rows of one folder share it, so a million rows hold each folder's path once.
using SharedFolder = std::shared_ptr<const Text>;

// The folder part of the path: the neighbour's when it is the same folder, else a new one.
SharedFolder folderPartOf(const Text& fullPath, const SharedFolder& neighbour);
const Text& folderText(const SharedFolder& folder);

// The size and modified columns as numbers; their texts are made when they are shown. A row
// may stand for a folder itself rather than a file, which it keeps knowing through the
// preview and the cut buffer.
struct FileFacts {
    static constexpr std::int64_t kFolder = -1;  // no file has a negative size
    std::int64_t size = 0;                       // bytes, or kFolder
    std::int64_t modified = 0;                   // local time as packedDateTime, 0 for none

    bool isFolder() const { return size == kFolder; }
    Text sizeText() const;      // plain decimal; "<フォルダ>" for a folder
    Text modifiedText() const;  // yyyy/MM/dd H:mm:ss, the time left out at exactly 00:00:00
};

FileFacts fileFactsOf(const FileStatus& status);
FileFacts fileFactsOf(const FileStatus& status, LocalTimeConverter& times);

// One row of the conversion list.
struct FileEntry {
    SharedFolder folder;
    Text name;  // last path component, extension included
    FileFacts facts;
    bool checked = true;
    bool selected = false;
    FileIdentity identity{};  // unknown for rows read from a list file
    // Nothing until the photo columns were shown; shared, so copying a row stays cheap.
    std::shared_ptr<const PhotoFacts> photoFacts = nullptr;

    Text fullPath() const { return folderText(folder) + name; }
    // From the last "." of the name, dot included; empty without a "." and for a folder, whose
    // whole name is its stem.
    Text extension() const;
    // Where extension() starts within the name.
    std::size_t extensionStart() const;
    bool isFolder() const { return facts.isFolder(); }
};

using ConversionList = std::vector<FileEntry>;

// The row for the entry at the path; the name is the path's last component. The folder part
// is shared with the neighbour's when the same. A folder becomes a row that stands for the
// folder itself.
FileEntry fileEntryOf(const Text& fullPath, const FileStatus& status,
                      const SharedFolder& neighbour = nullptr);
// The row for an entry met in a walk of its folder, whose folder part the caller holds.
FileEntry fileEntryIn(const SharedFolder& folder, Text name, const FileStatus& status,
                      LocalTimeConverter& times);
// The row for a path whose facts are known already.
FileEntry fileEntryAt(const Text& fullPath, const FileFacts& facts,
                      const SharedFolder& neighbour = nullptr);

// The size column's text of a file.
Text sizeText(std::int64_t bytes);

}  // namespace vartel
