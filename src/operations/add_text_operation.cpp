#include "operations/add_text_operation.h"

#include "common/integer_text.h"
#include "macro/text_edits.h"
#include "operations/messages.h"
#include "operations/search_insert_lines.h"

namespace vartel {
namespace {

Text description(const AddTextSettings& s) {
    switch (s.mode) {
        case AddTextMode::AtStart:
            return s.text + U"　を最初に追加";
        case AddTextMode::AtEnd:
            return s.text + U"　を最後に追加";
        case AddTextMode::AfterNth:
            return s.text + U"　を　" + formatInteger(s.position) + U"　番目の文字の後に挿入";
        case AddTextMode::BeforeA:
            return s.text + U"　を　" + s.textA + U"　の前に追加";
        case AddTextMode::AfterA:
            return s.text + U"　を　" + s.textA + U"　の後に追加";
    }
    return {};
}

}  // namespace

Text addTextNewName(const AddTextSettings& s, const Text& stem, const Text& extension) {
    switch (s.mode) {
        case AddTextMode::AtStart:
            return joinedText({s.text, stem, extension});
        case AddTextMode::AtEnd:
            return joinedText({stem, s.text, extension});
        case AddTextMode::AfterNth:
            return insertCharacters(stem, s.text, s.position) + extension;
        case AddTextMode::BeforeA:
        case AddTextMode::AfterA:
            return insertAtSearch(stem, s.text, s.textA, s.caseSensitive,
                                  s.mode == AddTextMode::AfterA) +
                   extension;
    }
    return stem + extension;
}

bool recordAddText(const AddTextSettings& s, RecordingFrame& frame) {
    const Operand name = nameOperand();
    const Operand text = textOperand(s.text);
    switch (s.mode) {
        case AddTextMode::AtStart:
            frame.recordLine(name, TextOutputType::Join, text, name, emptyOperand());
            break;
        case AddTextMode::AtEnd:
            frame.recordLine(name, TextOutputType::Join, name, text, emptyOperand());
            break;
        case AddTextMode::AfterNth:
            frame.recordLine(name, TextOutputType::Insert, name, text, numberOperand(s.position));
            break;
        case AddTextMode::BeforeA:
        case AddTextMode::AfterA: {
            const bool after = s.mode == AddTextMode::AfterA;
            const auto variables = after ? frame.allocateVariables({kAllocNumber, kAllocNumber})
                                         : frame.allocateVariables({kAllocNumber});
            if (!variables) return false;
            recordInsertAtSearch(frame, text, s.textA, s.caseSensitive, (*variables)[0],
                                 after ? std::optional<Operand>((*variables)[1]) : std::nullopt);
            break;
        }
    }
    frame.sampleStem() = addTextNewName(s, frame.sampleStem(), Text());
    frame.closeStep(messages::kKindAdd, description(s));
    return true;
}

}  // namespace vartel
