#include "app/errorHandler.h"

#include <cctype>

#include "database/dataModule.h"
#include "platform/messages.h"

namespace pos {

ErrorReaction reactToError(const std::string& message) {
    std::string m = message;
    for (char& c : m) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (m.find(kStoreFileName) != std::string::npos) return {kUnrecognisedStoreMessage, true};
    return {m, false};
}

bool handleApplicationError(MessageService& messages, const std::string& message) {
    ErrorReaction r = reactToError(message);
    messages.inform(r.text, MessageIcon::None);
    return r.endProgram;
}

}  // namespace pos
