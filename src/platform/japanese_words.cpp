#include "platform/japanese_words.h"

#include <dlfcn.h>
#include <mecab.h>

#include <mutex>
#include <string>

#include "common/error.h"
#include "common/message_text.h"
#include "platform/messages.h"

namespace vartel {
namespace {

// The library is opened by hand rather than linked, so no run pays for it (or fails to start
// without it) unless it reads a name.
constexpr const char* kLibraryName = "libmecab.so.2";
// The UTF-8 build of the IPA dictionary, named rather than taken from the system's default, so
// the reading is always the feature it keeps in eighth place. An empty resource file keeps a
// missing or foreign /etc/mecabrc from mattering.
constexpr const char* kDictionary = "/var/lib/mecab/dic/ipadic-utf8";
constexpr int kReadingField = 7;

struct Analyser {
    mecab_t* (*create)(const char*) = nullptr;
    const char* (*lastError)(mecab_t*) = nullptr;
    const mecab_node_t* (*parse)(mecab_t*, const char*, std::size_t) = nullptr;
    mecab_t* tagger = nullptr;
    std::string failure;
    std::mutex parsing;  // one tagger holds one lattice at a time
};

template <class Function>
bool take(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(::dlsym(library, name));
    return function != nullptr;
}

void load(Analyser& analyser) {
    // Never closed: the dictionary stays mapped for the rest of the run.
    void* library = ::dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        analyser.failure = ::dlerror();
        return;
    }
    if (!take(library, "mecab_new2", analyser.create) ||
        !take(library, "mecab_strerror", analyser.lastError) ||
        !take(library, "mecab_sparse_tonode2", analyser.parse)) {
        analyser.failure = std::string(kLibraryName) + ": not the expected library";
        return;
    }
    analyser.tagger = analyser.create((std::string("-r /dev/null -d ") + kDictionary).c_str());
    if (analyser.tagger == nullptr) {
        const std::string why = analyser.lastError(nullptr);
        analyser.failure = kDictionary + (why.empty() ? std::string() : ": " + why);
    }
}

Analyser& analyser() {
    static std::once_flag once;
    static Analyser loaded;
    std::call_once(once, [] { load(loaded); });
    if (loaded.tagger == nullptr) {
        throw VartelError(fillIn(kReadingDictionaryMissing, U"%s", textFromBytes(loaded.failure)));
    }
    return loaded;
}

// The reading among the word's comma-separated features; "*" or a missing field is none.
std::string_view readingOf(const char* feature) {
    std::string_view rest = feature == nullptr ? std::string_view() : feature;
    for (int field = 0; field < kReadingField; ++field) {
        const auto comma = rest.find(',');
        if (comma == std::string_view::npos) return {};
        rest.remove_prefix(comma + 1);
    }
    const std::string_view reading = rest.substr(0, rest.find(','));
    return reading == "*" ? std::string_view() : reading;
}

}  // namespace

void forEachJapaneseWord(std::string_view utf8,
                         const std::function<void(const JapaneseWord& word)>& visit) {
    Analyser& loaded = analyser();
    const std::lock_guard lock(loaded.parsing);
    const mecab_node_t* node = loaded.parse(loaded.tagger, utf8.data(), utf8.size());
    for (; node != nullptr; node = node->next) {
        if (node->stat == MECAB_BOS_NODE || node->stat == MECAB_EOS_NODE) continue;
        visit({static_cast<std::size_t>(node->surface - utf8.data()), node->length,
               readingOf(node->feature)});
    }
}

}  // namespace vartel
