#include "platform/messages.h"

#include <stdexcept>

namespace pos {

void ScriptedMessages::inform(const std::string& text, MessageIcon icon) {
    shown_.push_back({kInformCaption, text, icon});
}

Answer ScriptedMessages::askYesNo(const std::string& text) { return next(text); }

Answer ScriptedMessages::askYesNoCancel(const std::string& text) { return next(text); }

Answer ScriptedMessages::next(const std::string& text) {
    shown_.push_back({kAskCaption, text, MessageIcon::Information});
    if (answers_.empty()) throw std::logic_error("unexpected question: " + text);
    Answer a = answers_.front();
    answers_.pop_front();
    return a;
}

}  // namespace pos
