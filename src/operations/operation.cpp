#include "operations/operation.h"

namespace vartel {
namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

// The count whose digits the zero fill takes.
int widthCountOf(const NumberingSettings& s, const CheckedFileCount& list) {
    return s.perFolder ? list.largestFolderGroup() : list.checkedFileCount();
}

}  // namespace

bool recordOperation(const OperationSettings& operation, const CheckedFileCount& list,
                     RecordingFrame& frame) {
    return std::visit(
        Overloaded{[&](const AddTextSettings& s) { return recordAddText(s, frame); },
                   [&](const DeleteSettings& s) { return recordDelete(s, frame); },
                   [&](const ReplaceSettings& s) { return recordReplace(s, frame); },
                   [&](const NumberingSettings& s) {
                       return recordNumbering(s, widthCountOf(s, list), frame);
                   },
                   [&](const ExtensionSettings& s) { return recordExtension(s, frame); }},
        operation);
}

NewNameOfParts newNameFunction(const OperationSettings& operation, const CheckedFileCount& list) {
    return std::visit(
        Overloaded{[](const AddTextSettings& s) -> NewNameOfParts {
                       return [s](const Text& stem, const Text& ext) {
                           return addTextNewName(s, stem, ext);
                       };
                   },
                   [](const DeleteSettings& s) -> NewNameOfParts {
                       return [s](const Text& stem, const Text& ext) {
                           return deleteNewName(s, stem, ext);
                       };
                   },
                   [](const ReplaceSettings& s) -> NewNameOfParts {
                       return [edit = ReplaceEdit(s)](const Text& stem, const Text& ext) {
                           return edit.newName(stem, ext);
                       };
                   },
                   [&list](const NumberingSettings& s) -> NewNameOfParts {
                       return [s, &list, widthCount = widthCountOf(s, list), number = s.start](
                                  const Text& stem, const Text& ext) mutable {
                           // Per folder the number follows the row's place in its folder,
                           // so folders interleaved by a sort keep counts of their own.
                           const std::int32_t current =
                               s.perFolder ? numberAtPlace(s.start, s.step, list.positionInFolder())
                                           : number;
                           const Text text = numberText(current, s.autoDigits, widthCount);
                           number = nextNumber(number, s.step);
                           return numberingNewName(s, stem, ext, text);
                       };
                   },
                   [](const ExtensionSettings& s) -> NewNameOfParts {
                       return [s](const Text& stem, const Text& ext) {
                           return extensionNewName(s, stem, ext);
                       };
                   }},
        operation);
}

}  // namespace vartel
