#include "sales/ui/skinApplier.h"

#include <QApplication>
#include <QString>

#include "platform/programDir.h"
#include "sales/skin.h"

namespace pos {

bool applySkin(const std::string& skinName) { return applySkin(programDirectory(), skinName); }

bool applySkin(const std::string& programDir, const std::string& skinName) {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app) return false;
    std::optional<std::string> sheet = readSkinFile(skinFilePath(programDir, skinName));
    if (!sheet) return false;
    app->setStyleSheet(QString::fromUtf8(sheet->data(), static_cast<qsizetype>(sheet->size())));
    return true;
}

bool applySkinBeforeLogin(PosContext& ctx) { return applySkin(skinBeforeLogin(ctx)); }

bool applyOperatorSkin(PosContext& ctx) { return applySkin(operatorSkin(ctx)); }

}  // namespace pos
