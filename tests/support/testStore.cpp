#include "support/testStore.h"

#include <unistd.h>

#include <atomic>

#include "database/storeFiles.h"

namespace pos::test {

namespace {
std::filesystem::path freshDir() {
    static std::atomic<int> n{0};
    auto d = std::filesystem::temp_directory_path() /
             ("pos-test-" + std::to_string(::getpid()) + "-" + std::to_string(n++));
    std::filesystem::remove_all(d);
    std::filesystem::create_directories(d);
    return d;
}
}  // namespace

TestStore::TestStore(bool demo) : db(clock, ""), dir_(freshDir()) {
    path_ = (dir_ / kStoreFileName).string();
    if (demo)
        createDemoStore(path_, clock);
    else
        createEmptyStore(path_);
    db.openPath(path_);
    session.operatorName = "收银员";
    session.operatorCode = "002";
    session.roleCode = "100002";
}

TestStore::~TestStore() {
    db.backend().close();
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

}  // namespace pos::test
