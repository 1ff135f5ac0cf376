// The counter terminal.
#include "app/ui/loading.h"
#include "app/ui/posApplication.h"
#include "database/dataModule.h"
#include "database/posContext.h"
#include "database/sessionState.h"
#include "database/systemParameters.h"
#include "platform/clock.h"
#include "platform/programDir.h"
#include "platform/singleInstance.h"
#include "platform/ui/qtMessages.h"
#include "sales/ui/posMainForm.h"

int main(int argc, char** argv) {
    // A second copy never shows a window.
    pos::SingleInstanceGuard guard("zoposvemtra");
    if (!guard.acquire()) return 0;

    pos::QtMessages messages;
    pos::PosApplication app(argc, argv, messages);
    {
        pos::TF_Loading loading;
        loading.exec();
    }

    pos::SystemClock clock;
    pos::SessionState session;
    pos::SystemParameters params;
    pos::TF_DataModule db(clock, pos::programDirectory() + "data/");
    pos::PosContext ctx{db, session, params, clock, messages};
    pos::TF_PosMainForm mainForm(ctx);
    try {
        db.connectDatabase(pos::kStoreFileName);
        // The window is hidden until the start-up sequence shows it, so a run
        // that cannot finish its start-up ends here rather than linger unseen.
        if (!mainForm.startRun()) return 0;
    } catch (const std::exception& e) {
        app.reportError(e.what());
        return 0;
    }
    app.exec();
    return 0;
}
