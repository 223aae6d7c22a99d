#pragma once

#include <optional>
#include <string>

namespace vartel {

// The calls of the file-system layer that can be made to fail on purpose.
enum class FileCall {
    LookUp,      // lookUpFile
    OpenFolder,  // the start of a folder listing
    ReadEntry,   // one entry of a listing, named by the folder and the entry
    Rename,      // one rename request to the system; a rename may make more than one
    Link,        // the hard link by which a rename goes where the system lacks no-replace
    Exchange,    // one exchange of two names
    Sync,        // bringing a journal's data to the disk
};

// Lets tests make the file system fail at chosen calls, so that every failure path can be
// driven on real folders. The program installs none, and then each call costs one test of a
// pointer.
class FaultInjector {
  public:
    virtual ~FaultInjector() = default;
    // The error number the call is to fail with, or 0 to let it reach the system. For a rename
    // path is the source and other the target; for an entry, path is the folder and other the
    // entry's name; otherwise other is empty.
    virtual int failure(FileCall call, const std::string& path, const std::string& other) = 0;
    // Whether the folder is to be taken as folding letter case, or nothing to ask the system.
    virtual std::optional<bool> foldsCase(const std::string& /*folder*/) { return std::nullopt; }
};

// Installs the injector for the whole process (null removes it) and returns the one before.
// Not for use while another thread works with files.
FaultInjector* installFaultInjector(FaultInjector* injector);
// Whether an injector is installed: file calls are then kept to one thread at a time.
bool faultsInjected();
// True when an installed injector makes this call fail; errno then holds its error.
bool failsOnPurpose(FileCall call, const std::string& path, const std::string& other);

}  // namespace vartel
