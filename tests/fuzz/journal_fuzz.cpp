// Any bytes as a journal of renames, read as every start reads one. Only the reading is
// fuzzed: recovery would touch the files the journal names.
#include <cstdint>
#include <string_view>

#include "platform/journal_file.h"
#include "workspace/journal/rename_journal.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vartel;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto batch = parseJournalBatch("000000000000-1-1", bytes)) {
        for (const auto& [row, path] : batch->temporaries) {
            if (row >= batch->rows.size()) __builtin_trap();
        }
        if (batch->rowCount != batch->rows.size() || batch->renamedCount > batch->rowCount) {
            __builtin_trap();
        }
    }
    return 0;
}
