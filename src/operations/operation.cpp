#include "operations/operation.h"

namespace vartel {
namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace

bool recordOperation(const OperationSettings& operation, int checkedCount, RecordingFrame& frame) {
    return std::visit(
        Overloaded{
            [&](const AddTextSettings& s) { return recordAddText(s, frame); },
            [&](const DeleteSettings& s) { return recordDelete(s, frame); },
            [&](const ReplaceSettings& s) { return recordReplace(s, frame); },
            [&](const NumberingSettings& s) { return recordNumbering(s, checkedCount, frame); },
            [&](const ExtensionSettings& s) { return recordExtension(s, frame); }},
        operation);
}

NewNameOfParts newNameFunction(const OperationSettings& operation, int checkedCount) {
    return std::visit(Overloaded{[](const AddTextSettings& s) -> NewNameOfParts {
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
                                     return [s](const Text& stem, const Text& ext) {
                                         return replaceNewName(s, stem, ext);
                                     };
                                 },
                                 [checkedCount](const NumberingSettings& s) -> NewNameOfParts {
                                     return [s, checkedCount, number = s.start](
                                                const Text& stem, const Text& ext) mutable {
                                         const Text text =
                                             numberText(number, s.autoDigits, checkedCount);
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
