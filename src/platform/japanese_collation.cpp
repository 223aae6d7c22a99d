#include "platform/japanese_collation.h"

#include <unicode/coll.h>
#include <unicode/uscript.h>

#include <memory>

namespace vartel {
namespace {

std::unique_ptr<icu::Collator> makeCollator() {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> collator(
        icu::Collator::createInstance(icu::Locale::getJapanese(), status));
    if (U_FAILURE(status)) return nullptr;
    // Japanese names before Latin ones: the list is sorted for the reading of Japanese names.
    static const int32_t kScripts[] = {USCRIPT_HIRAGANA, USCRIPT_HAN, USCRIPT_LATIN};
    collator->setReorderCodes(kScripts, 3, status);
    return collator;
}

}  // namespace

void appendJapaneseOrderKey(std::string& bytes, std::u32string_view text) {
    // Made once; building a collator reads its rules, and a sort asks for many keys.
    static const std::unique_ptr<icu::Collator> collator = makeCollator();
    if (!collator) {
        appendOrderedBytes(bytes, text);
        return;
    }
    const std::u16string utf16 = utf16FromText(text);
    const icu::UnicodeString unicode(false, utf16.data(), static_cast<int32_t>(utf16.size()));
    const std::size_t start = bytes.size();
    bytes.resize(start + utf16.size() * 4 + 16);
    int32_t length = collator->getSortKey(unicode, reinterpret_cast<uint8_t*>(bytes.data() + start),
                                          static_cast<int32_t>(bytes.size() - start));
    if (static_cast<std::size_t>(length) > bytes.size() - start) {
        bytes.resize(start + length);
        length =
            collator->getSortKey(unicode, reinterpret_cast<uint8_t*>(bytes.data() + start), length);
    }
    bytes.resize(start + length);
}

}  // namespace vartel
