#include "workspace/messages.h"

namespace vartel {

Text withText(const Text& message, const Text& text) {
    Text result = message;
    const auto at = result.find(U"%s");
    if (at != Text::npos) result.replace(at, 2, text);
    return result;
}

}  // namespace vartel
