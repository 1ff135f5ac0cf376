#pragma once
// The application-wide error handler: every error that no window catches ends
// here. The message is shown lower-cased and the terminal goes on, unless the
// message names the store file, which means the store cannot be used at all.
#include <string>

namespace pos {

class MessageService;

inline constexpr const char* kUnrecognisedStoreMessage = "数据库格式不可识别！\r\n\r\n系统将退出！";

struct ErrorReaction {
    std::string text;  // what the box shows
    bool endProgram = false;
};

ErrorReaction reactToError(const std::string& message);

// Shows the reaction (caption "系统提示", no icon); true when the program must end.
bool handleApplicationError(MessageService& messages, const std::string& message);

}  // namespace pos
