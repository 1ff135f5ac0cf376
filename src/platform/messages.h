#pragma once
// The message service: every modal message of the terminal goes through it.
// Logic that must inform or ask calls it; the windows supply the real boxes,
// tests a scripted one.
#include <deque>
#include <string>
#include <vector>

namespace pos {

inline constexpr const char* kInformCaption = "系统提示";
inline constexpr const char* kAskCaption = "信息提醒";

enum class Answer { Ok, Yes, No, Cancel };
enum class MessageIcon { Information, None };

class MessageService {
  public:
    virtual ~MessageService() = default;
    // Caption "系统提示", OK button.
    virtual void inform(const std::string& text, MessageIcon icon = MessageIcon::Information) = 0;
    // Caption "信息提醒"; returns Yes or No.
    virtual Answer askYesNo(const std::string& text) = 0;
    // Caption "信息提醒"; returns Yes, No or Cancel.
    virtual Answer askYesNoCancel(const std::string& text) = 0;
};

// Records what was shown and answers questions from a list given in advance.
// Asking with no answer left is a test fault and throws.
class ScriptedMessages : public MessageService {
  public:
    struct Shown {
        std::string caption;
        std::string text;
        MessageIcon icon = MessageIcon::Information;
    };

    void inform(const std::string& text, MessageIcon icon = MessageIcon::Information) override;
    Answer askYesNo(const std::string& text) override;
    Answer askYesNoCancel(const std::string& text) override;

    void answer(Answer a) { answers_.push_back(a); }
    const std::vector<Shown>& shown() const { return shown_; }
    void clear() {
        shown_.clear();
        answers_.clear();
    }

  private:
    Answer next(const std::string& text);
    std::vector<Shown> shown_;
    std::deque<Answer> answers_;
};

}  // namespace pos
