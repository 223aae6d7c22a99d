#include "workspace/batch/companion_suffixes.h"

#include <algorithm>
#include <string>

namespace vartel {
namespace {

// Language and other tags of subtitles are short words: "ja", "en-US", "forced", "sdh".
constexpr std::size_t kLongestTag = 16;
constexpr int kMostTags = 3;

bool isTag(std::string_view part) {
    return !part.empty() && part.size() <= kLongestTag &&
           std::all_of(part.begin(), part.end(), [](char c) {
               return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                      c == '-' || c == '_';
           });
}

const CompanionExtension* companionExtension(std::string_view extension) {
    std::string lower(extension);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    const auto found = std::find_if(kCompanionExtensions.begin(), kCompanionExtensions.end(),
                                    [&](const auto& row) { return row.extension == lower; });
    return found == kCompanionExtensions.end() ? nullptr : &*found;
}

}  // namespace

std::string_view stemOfName(std::string_view name) {
    const auto dot = name.rfind('.');
    return dot == std::string_view::npos ? name : name.substr(0, dot);
}

std::vector<CompanionBase> companionBases(std::string_view name) {
    std::vector<CompanionBase> bases;
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) return bases;
    const CompanionExtension* extension = companionExtension(name.substr(dot + 1));
    if (extension == nullptr) return bases;
    // A whole name holds a dot of its own (DSC01234.JPG), so it is never the bare stem too.
    if (extension->afterWholeName && name.substr(0, dot).find('.') != std::string_view::npos)
        bases.push_back({dot, true});
    if (extension->afterStem) bases.push_back({dot, false});
    if (!extension->tagged) return bases;
    std::size_t end = dot;
    for (int tags = 0; tags < kMostTags; ++tags) {
        const auto start = name.rfind('.', end - 1);
        if (start == std::string_view::npos || start == 0 ||
            !isTag(name.substr(start + 1, end - start - 1)))
            break;
        bases.push_back({start, false});
        end = start;
    }
    return bases;
}

}  // namespace vartel
