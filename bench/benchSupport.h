#pragma once
// What the benchmarks share: a store backend that counts (and can time) the
// statements the data module sends, an empty registration, and a series of
// timings with its percentiles.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "database/dataModule.h"
#include "database/posContext.h"
#include "database/sessionState.h"
#include "database/sqliteBackend.h"
#include "database/systemParameters.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "sales/lineChecks.h"

namespace {

using Steady = std::chrono::steady_clock;

double msSince(Steady::time_point t0) {
    return std::chrono::duration<double, std::milli>(Steady::now() - t0).count();
}

// Forwards to SQLite and counts the statements the data module sends; when
// tracing, also times each one, keyed by its place in the sequence of a scan.
class CountingBackend : public pos::StoreBackend {
  public:
    explicit CountingBackend(const pos::Clock& clock) : inner_(clock) {}

    void open(const std::string& path) override { inner_.open(path); }
    void close() override { inner_.close(); }
    bool isOpen() const override { return inner_.isOpen(); }

    pos::ResultSet query(std::string_view sql, size_t maxRows) override {
        return counted(sql, [&] { return inner_.query(sql, maxRows); });
    }
    pos::Value firstValue(std::string_view sql) override {
        return counted(sql, [&] { return inner_.firstValue(sql); });
    }
    long long execute(std::string_view sql) override {
        return counted(sql, [&] { return inner_.execute(sql); });
    }
    long long insertRow(const std::string& table, const pos::FieldValues& fields) override {
        return counted("(row appended to " + table + ")",
                       [&] { return inner_.insertRow(table, fields); });
    }
    void updateRow(const std::string& table, long long id,
                   const pos::FieldValues& fields) override {
        counted("(row of " + table + " edited)", [&] {
            inner_.updateRow(table, id, fields);
            return 0;
        });
    }
    void begin() override { inner_.begin(); }
    void commit() override { inner_.commit(); }
    void rollback() override { inner_.rollback(); }

    long long statements = 0;
    bool tracing = false;
    struct Step {
        std::string sql;
        double totalMs = 0, maxMs = 0;
        int runs = 0;
    };
    std::vector<Step> steps;  // by place in the scan (statements counts the place)

  private:
    template <typename F>
    auto counted(std::string_view sql, F&& run) -> decltype(run()) {
        const size_t place = static_cast<size_t>(statements++);
        if (!tracing) return run();
        const auto t0 = Steady::now();
        auto result = run();
        const double ms = msSince(t0);
        if (steps.size() <= place) steps.resize(place + 1);
        Step& s = steps[place];
        if (s.sql.empty()) s.sql = std::string(sql);
        s.totalMs += ms;
        s.maxMs = std::max(s.maxMs, ms);
        ++s.runs;
        return result;
    }

    pos::SqliteBackend inner_;
};

// The registration window closed without input.
class EmptyRegistration : public pos::RegistrationPrompt {
  public:
    pos::BuyerRegistration ask() override { return {}; }
};

struct Series {
    std::vector<double> ms;
    std::vector<long long> statements;
    int unexpected = 0;
    double percentile(double p) const {
        if (ms.empty()) return 0;
        std::vector<double> s = ms;
        std::sort(s.begin(), s.end());
        size_t k = static_cast<size_t>(std::ceil(p * static_cast<double>(s.size())));
        return s[std::min(s.size() - 1, k == 0 ? 0 : k - 1)];
    }
    double max() const { return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()); }
    std::string statementRange() const {
        if (statements.empty()) return "-";
        auto [lo, hi] = std::minmax_element(statements.begin(), statements.end());
        return *lo == *hi ? std::to_string(*lo) : std::to_string(*lo) + "-" + std::to_string(*hi);
    }
};

// The terminal over a store file, the cashier logged in, every statement
// counted. The caller loads the settings once the clock stands where it wants.
struct BenchTerminal {
    BenchTerminal(const std::string& path, pos::LocalDateTime now) : clock(now), db(backend(), "") {
        db.openPath(path);
        session.operatorName = "收银员";
        session.operatorCode = "002";
        session.roleCode = "100002";
    }

    pos::FixedClock clock;
    CountingBackend* counter = nullptr;
    pos::TF_DataModule db;
    pos::SessionState session;
    pos::SystemParameters params;
    pos::ScriptedMessages messages;
    pos::PosContext ctx{db, session, params, clock, messages};

  private:
    std::unique_ptr<pos::StoreBackend> backend() {
        auto b = std::make_unique<CountingBackend>(clock);
        counter = b.get();
        return b;
    }
};

}  // namespace
