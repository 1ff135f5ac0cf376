#pragma once
#include <QApplication>
#include <functional>
#include <string>

namespace pos {

class MessageService;

// The application object. Errors that escape an event handler reach the
// application-wide error handler here: the message is shown and the terminal
// goes on, unless the store cannot be used, which ends the program.
class PosApplication : public QApplication {
  public:
    PosApplication(int& argc, char** argv, MessageService& messages);
    bool notify(QObject* receiver, QEvent* event) override;

    // Shows an error through the handler; ends the program when it says so.
    void reportError(const std::string& message);

  private:
    MessageService& messages_;
};

// Ends the process at once with exit code 0 (every committed statement is
// already safe in the store).
[[noreturn]] void endProgram();

}  // namespace pos
