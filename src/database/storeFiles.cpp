#include "database/storeFiles.h"

#include "database/sqliteBackend.h"
#include "platform/clock.h"

namespace pos {

void createEmptyStore(const std::string& path) { SqliteBackend::createStore(path, storeSchema()); }

void createDemoStore(const std::string& path, const Clock& clock) {
    // The demo's dates (expiry, receipts) are relative to today.
    std::string demo(demoData());
    const std::string mark = "@TODAY@", today = clock.now().date();
    for (size_t at = demo.find(mark); at != std::string::npos; at = demo.find(mark, at))
        demo.replace(at, mark.size(), today);
    SqliteBackend::createStore(path, std::string(storeSchema()) + ";\n" + demo);
}

}  // namespace pos
