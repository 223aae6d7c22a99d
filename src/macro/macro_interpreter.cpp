#include "macro/macro_interpreter.h"

#include <array>

#include "common/error.h"
#include "common/integer_text.h"
#include "common/message_text.h"
#include "macro/instruction_catalogue.h"
#include "macro/instructions.h"
#include "macro/messages.h"
#include "macro/resolved_operand.h"

namespace vartel {
namespace {

constexpr int kGuardLimit = 50;

std::int32_t integerOf(const Text& text) {
    if (const auto value = parseInteger(text)) return *value;
    throw VartelError(fillIn(messages::kNotAnInteger, U"%s", text));
}

// The coded row of a line, each field read as an integer; a field that is not one stops the run.
struct LineCodes {
    int target;
    int kind;
    int type;
    std::array<int, 3> operands;
};

int codedField(const CodedRow& row, int field) {
    if (const auto value = row.value(field)) return *value;
    throw VartelError(fillIn(messages::kNotAnInteger, U"%s", row.text(field)));
}

LineCodes readCodes(const MacroLine& line) {
    const CodedRow& row = line.coded;
    LineCodes codes{codedField(row, CodedRow::Target),
                    codedField(row, CodedRow::Kind),
                    codedField(row, CodedRow::Type),
                    {codedField(row, CodedRow::Operand1), codedField(row, CodedRow::Operand2),
                     codedField(row, CodedRow::Operand3)}};
    if (codes.target >= kSlotCount)
        throw VartelError(fillIn(messages::kNoSuchSlot, U"%s", row.text(CodedRow::Target)));
    return codes;
}

class Run {
  public:
    Run(const MacroProgram& program, VariableStore& store, const MultiConditionTable& table,
        const RunServices& services, const Text& fullPath, std::vector<TraceRow>* trace)
        : program_(program),
          store_(store),
          table_(table),
          services_(services),
          fullPath_(fullPath),
          trace_(trace),
          lineCount_(program.lineCount()) {}

    // False when the user stopped the run at a guard.
    bool execute() {
        while (next_ < lineCount_) {
            if (services_.control && !services_.control->keepGoing()) return false;
            current_ = next_++;
            const MacroLine& line = program_.line(current_);
            const LineCodes codes = readCodes(line);
            resolveOperands(line, codes);
            if (!executeLine(codes)) return false;
            if (trace_) appendTraceRow(codes.target);
        }
        return true;
    }

  private:
    void resolveOperands(const MacroLine& line, const LineCodes& codes) {
        for (int k = 0; k < 3; ++k) {
            ResolvedOperand& operand = operands_[static_cast<std::size_t>(k)];
            const int code = codes.operands[static_cast<std::size_t>(k)];
            const Text& typed = line.display.operands[static_cast<std::size_t>(k)];
            operand.number = 0;
            if (code >= kSlotCount) {
                throw VartelError(
                    fillIn(messages::kNoSuchSlot, U"%s", line.coded.text(CodedRow::Operand1 + k)));
            } else if (code >= kFirstTextCode) {
                operand.text.assign(store_.slot(code));
                operand.operandClass = OperandClass::Text;
            } else if (code == kTextLiteralCode) {
                operand.text.assign(typed);
                operand.operandClass = OperandClass::Text;
            } else if (code == kNumericLiteralCode) {
                operand.text.assign(typed);
                operand.number = integerOf(typed);
                operand.operandClass = OperandClass::Number;
            } else if (code >= 1) {
                operand.text.clear();
                operand.number = integerOf(store_.slot(code));
                operand.operandClass = OperandClass::Number;
            } else {
                operand.text.clear();
                operand.operandClass = OperandClass::Empty;
            }
        }
    }

    const Text& typeNameOf(int index) const { return program_.line(index).display.type; }

    bool executeLine(const LineCodes& codes) {
        switch (codes.kind) {
            case kKindJump:
                // An anchor does nothing.
                if (static_cast<JumpType>(codes.type) == JumpType::Jump) return jump();
                return true;
            case kKindCondition:
                if (const auto test = comparisonOf(codes.type); test && !compare(*test))
                    skipCondition();
                return true;
            case kKindLoop:
                if (const auto test = comparisonOf(codes.type)) {
                    if (!compare(*test)) leaveLoop();
                    return true;
                }
                if (static_cast<LoopType>(codes.type) == LoopType::End) return loopBack();
                return true;
            default: {
                InstructionContext context{store_,    table_,       services_,
                                           fullPath_, codes.target, codes.operands[0],
                                           operands_};
                executeInstruction({codes.kind, codes.type}, context);
                return true;
            }
        }
    }

    // The comparison a condition or loop line makes; nothing for block starts and ends.
    static std::optional<ConditionType> comparisonOf(int type) {
        const auto comparison = static_cast<ConditionType>(type);
        switch (comparison) {
            case ConditionType::Equal:
            case ConditionType::NotEqual:
            case ConditionType::Greater:
                return comparison;
            case ConditionType::End:
            case ConditionType::Start:
                break;
        }
        return std::nullopt;
    }

    bool compare(ConditionType comparison) const {
        const ResolvedOperand& a = operands_[0];
        const ResolvedOperand& b = operands_[1];
        const bool numeric = a.operandClass == OperandClass::Number;
        switch (comparison) {
            case ConditionType::Equal:
                return numeric ? a.number == b.number : a.text == b.text;
            case ConditionType::NotEqual:
                return numeric ? a.number != b.number : a.text != b.text;
            default:
                return numeric ? a.number > b.number : true;
        }
    }

    bool jump() {
        const Text& label = program_.line(current_).display.operands[0];
        next_ = lineCount_ - 1;
        for (int i = 0; i < lineCount_; ++i) {
            const auto& display = program_.line(i).display;
            if (display.type == kAnchorTypeName && display.operands[0] == label) {
                next_ = i;
                break;
            }
        }
        return guard(jumps_, messages::kJumpGuard);
    }

    void skipCondition() {
        int depth = 1;
        int i = current_ + 2;
        for (; i < lineCount_ && depth > 0; ++i) {
            const Text& type = typeNameOf(i);
            if (type == kConditionEndTypeName) --depth;
            if (type == kConditionStartTypeName) ++depth;
        }
        next_ = i - 1;
    }

    void leaveLoop() {
        int depth = 1;
        int i = current_ + 2;
        for (; i < lineCount_ && depth > 0; ++i) {
            const Text& type = typeNameOf(i);
            if (type == kLoopEndTypeName) --depth;
            if (type == kLoopStartTypeName) ++depth;
        }
        next_ = i;
    }

    bool loopBack() {
        int depth = 1;
        int i = current_ - 1;
        while (depth > 0) {
            // Never read above the first line: an end without a start has nowhere to go back to.
            if (i < 0) {
                throw VartelError(
                    fillIn(messages::kLoopEndWithoutStart, U"%d", formatInteger(current_ + 1)));
            }
            const Text& type = typeNameOf(i);
            if (type == kLoopStartTypeName) --depth;
            if (type == kLoopEndTypeName) ++depth;
            --i;
        }
        // A loop-start line on the first line has no condition above it; go back to the start
        // line itself rather than before the first line.
        next_ = i < 0 ? 0 : i;
        return guard(loopBacks_, messages::kLoopGuard);
    }

    // Counts one backward move; past the limit asks whether to stop. False means stop.
    bool guard(int& count, const Text& question) {
        if (++count <= kGuardLimit) return true;
        if (services_.dialogs.confirm(question, false) == Answer::Yes) return false;
        count = 0;
        return true;
    }

    void appendTraceRow(int targetCode) {
        TraceRow row;
        row.number = current_ + 1;
        row.output = store_.slot(targetCode >= 0 ? targetCode : 0);
        for (std::size_t k = 0; k < 3; ++k) {
            row.operandTexts[k] = operands_[k].text;
            row.operandNumbers[k] = operands_[k].number;
        }
        trace_->push_back(std::move(row));
    }

    const MacroProgram& program_;
    VariableStore& store_;
    const MultiConditionTable& table_;
    const RunServices& services_;
    const Text& fullPath_;
    std::vector<TraceRow>* trace_;
    const int lineCount_;
    int next_ = 0;
    int current_ = 0;
    int jumps_ = 0;
    int loopBacks_ = 0;
    std::array<ResolvedOperand, 3> operands_;
};

}  // namespace

MacroInterpreter::MacroInterpreter(const MacroProgram& program, VariableStore& store,
                                   const MultiConditionTable& table, RunServices services)
    : program_(program), store_(store), table_(table), services_(services) {}

std::optional<Text> MacroInterpreter::runMacro(const Text& name, const Text& extension,
                                               const Text& fullPath, std::vector<TraceRow>* trace) {
    store_.slot(kFileNameCode) = name;
    store_.slot(kExtensionCode) = extension;
    Run run(program_, store_, table_, services_, fullPath, trace);
    if (!run.execute()) return std::nullopt;
    return store_.slot(kFileNameCode) + U"." + store_.slot(kExtensionCode);
}

}  // namespace vartel
