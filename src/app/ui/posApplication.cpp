#include "app/ui/posApplication.h"

#include <cstdio>
#include <cstdlib>

#include "app/errorHandler.h"

namespace pos {

PosApplication::PosApplication(int& argc, char** argv, MessageService& messages)
    : QApplication(argc, argv), messages_(messages) {}

bool PosApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        reportError(e.what());
    } catch (...) {
        reportError("unknown error");
    }
    return false;
}

void PosApplication::reportError(const std::string& message) {
    if (handleApplicationError(messages_, message)) endProgram();
}

void endProgram() {
    std::fflush(nullptr);
    std::_Exit(0);
}

}  // namespace pos
