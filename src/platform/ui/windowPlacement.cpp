#include "platform/ui/windowPlacement.h"

#include <QGuiApplication>
#include <QScreen>

namespace pos {

void centerOnScreen(QWidget& window) {
    QWidget* parent = window.parentWidget();
    QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen) window.move(screen->availableGeometry().center() - window.rect().center());
}

}  // namespace pos
