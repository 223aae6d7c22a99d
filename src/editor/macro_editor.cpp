#include "editor/macro_editor.h"

namespace vartel {

MacroInterpreter MacroEditor::startRun(RunServices services) {
    store_ = VariableStore{};
    store_.loadAll(program_.tables());
    return MacroInterpreter(program_, store_, table_, services);
}

}  // namespace vartel
