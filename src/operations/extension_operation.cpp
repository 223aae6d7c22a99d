#include "operations/extension_operation.h"

#include "common/integer_text.h"
#include "macro/text_edits.h"
#include "operations/messages.h"

namespace vartel {
namespace {

Text description(const ExtensionSettings& s) {
    switch (s.mode) {
        case ExtensionMode::Unify:
            return U"拡張子を　" + s.text + U"　に統一";
        case ExtensionMode::AtStart:
            return U"最初に　" + s.text + U"　を追加";
        case ExtensionMode::AtEnd:
            return U"最後に　" + s.text + U"　を追加";
        case ExtensionMode::AfterNth:
            return formatInteger(s.position) + U"　番目の文字の後に　" + s.text + U"　を追加";
        case ExtensionMode::DeleteFromNth:
            return formatInteger(s.position) + U" 番目の文字から　" + formatInteger(s.count) +
                   U"　個の文字を削除";
    }
    return {};
}

}  // namespace

Text editExtension(const ExtensionSettings& s, const Text& extension) {
    switch (s.mode) {
        case ExtensionMode::Unify:
            return s.text;
        case ExtensionMode::AtStart:
            return s.text + extension;
        case ExtensionMode::AtEnd:
            return extension + s.text;
        case ExtensionMode::AfterNth:
            return insertCharacters(extension, s.text, s.position);
        case ExtensionMode::DeleteFromNth:
            return deleteCharacters(extension, s.position, s.count);
    }
    return extension;
}

Text extensionNewName(const ExtensionSettings& s, const Text& stem, const Text& extension) {
    if (s.mode == ExtensionMode::AtEnd) return joinedText({stem, extension, s.text});
    // Unifying to nothing removes the extension: a name left with a trailing dot is one no
    // user asks for, and some systems cannot even hold it.
    if (s.mode == ExtensionMode::Unify && s.text.empty()) return stem;
    const Text withoutDot = extension.empty() ? Text() : extension.substr(1);
    return stem + U"." + editExtension(s, withoutDot);
}

bool recordExtension(const ExtensionSettings& s, RecordingFrame& frame) {
    const Operand ext = extensionOperand();
    const Operand a = textOperand(s.text);
    const Operand none = emptyOperand();
    switch (s.mode) {
        case ExtensionMode::Unify:
            frame.recordLine(ext, AssignType::Text, a, none, none);
            break;
        case ExtensionMode::AtStart:
            frame.recordLine(ext, TextOutputType::Join, a, ext, none);
            break;
        case ExtensionMode::AtEnd:
            frame.recordLine(ext, TextOutputType::Join, ext, a, none);
            break;
        case ExtensionMode::AfterNth:
            frame.recordLine(ext, TextOutputType::Insert, ext, a, numberOperand(s.position));
            break;
        case ExtensionMode::DeleteFromNth:
            frame.recordLine(none, DeleteType::Delete, ext, numberOperand(s.position),
                             numberOperand(s.count));
            break;
    }
    frame.sampleExtension() = editExtension(s, frame.sampleExtension());
    frame.closeStep(messages::kKindExtension, description(s));
    return true;
}

}  // namespace vartel
