#pragma once
// A fresh demo store in a temporary folder, opened through the data module,
// with a clock that stands still and scripted message boxes.
#include <filesystem>
#include <string>

#include "database/dataModule.h"
#include "database/posContext.h"
#include "database/sessionState.h"
#include "database/systemParameters.h"
#include "platform/clock.h"
#include "platform/messages.h"

namespace pos::test {

// The date the tests live on.
inline LocalDateTime testNow() { return {2024, 6, 15, 10, 30, 0}; }

class TestStore {
  public:
    // demo: the demo data; otherwise only the schema.
    explicit TestStore(bool demo = true);
    ~TestStore();

    FixedClock clock{testNow()};
    ScriptedMessages messages;
    SessionState session;
    SystemParameters params;
    TF_DataModule db;
    PosContext ctx{db, session, params, clock, messages};

    const std::string& path() const { return path_; }
    std::string value(const std::string& sql) { return db.getSqlValue(sql); }

  private:
    std::filesystem::path dir_;
    std::string path_;
};

}  // namespace pos::test
