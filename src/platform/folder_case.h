#pragma once

#include <string>

namespace vartel {

// True when the file system of the folder takes names differing only in letter case as one
// name (FAT, exFAT, SMB shares, ext4 folders with case folding).
bool folderFoldsCase(const std::string& folder);
// How that is told for a file system that says nothing of it itself (FUSE, network ones):
// by looking a few names up under their other letter case.
bool foldsCaseByLooking(const std::string& folder);
// File systems that keep letter case apart, but for folders flagged to fold it (statfs's type).
bool keepsCaseApart(long type);

}  // namespace vartel
