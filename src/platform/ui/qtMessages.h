#pragma once
#include <QPointer>
#include <QWidget>

#include "platform/messages.h"

namespace pos {

// The message service as modal message boxes: "系统提示" with OK, "信息提醒"
// with Yes/No(/Cancel). Enter takes the default button (Yes), Esc No or Cancel.
class QtMessages : public MessageService {
  public:
    void inform(const std::string& text, MessageIcon icon = MessageIcon::Information) override;
    Answer askYesNo(const std::string& text) override;
    Answer askYesNoCancel(const std::string& text) override;
};

}  // namespace pos
