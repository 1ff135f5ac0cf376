// Measures getSqlValue of an indexed single-row select on a store with 100,000
// goods, side by side with the same select as a bare prepared SQLite statement,
// and prints the ratio of the medians. Target: the layer within 1.5x of bare SQLite.
//
//   bench/getSqlValue_bench [--benchmark_repetitions=N]
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>

#include "common/docNumbers.h"
#include "database/dataModule.h"
#include "database/posContext.h"
#include "database/sessionState.h"
#include "database/storeFiles.h"
#include "database/systemParameters.h"
#include "platform/clock.h"
#include "platform/messages.h"

namespace {

constexpr int kGoods = 100000;
constexpr int kCodes = 1024;  // codes cycled through by the varying benchmarks

pos::FixedClock clock{pos::LocalDateTime{2024, 6, 15, 10, 0, 0}};

std::string code(int i) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "G%07d", i);
    return buf;
}

// A store with kGoods goods and as many posted sales today, built once.
const std::string& storePath() {
    static std::string path = [] {
        auto dir =
            std::filesystem::temp_directory_path() / ("pos-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        std::string p = (dir / "jxc.db").string();
        pos::createEmptyStore(p);
        sqlite3* db;
        sqlite3_open(p.c_str(), &db);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* goods;
        sqlite3_prepare_v2(db, "insert into jxc_goods (g_sn,g_name,g_sptm,g_lsj) values (?,?,?,?)",
                           -1, &goods, nullptr);
        sqlite3_stmt* sale;
        sqlite3_prepare_v2(db, "insert into jxc_lsxsd (gl_djh,a_name) values (?,'bench')", -1,
                           &sale, nullptr);
        for (int i = 0; i < kGoods; ++i) {
            std::string c = code(i), name = "商品" + std::to_string(i),
                        bar = "69" + std::to_string(1000000000 + i);
            sqlite3_bind_text(goods, 1, c.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(goods, 2, name.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(goods, 3, bar.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_double(goods, 4, 1 + i % 100);
            sqlite3_step(goods);
            sqlite3_reset(goods);
            char djh[32];
            std::snprintf(djh, sizeof djh, "XS%06d%05d", 240101 + (i / 90000), 10001 + i % 90000);
            sqlite3_bind_text(sale, 1, djh, -1, SQLITE_TRANSIENT);
            sqlite3_step(sale);
            sqlite3_reset(sale);
        }
        sqlite3_finalize(goods);
        sqlite3_finalize(sale);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        return p;
    }();
    return path;
}

std::vector<std::string> statements() {
    std::vector<std::string> s;
    for (int i = 0; i < kCodes; ++i)
        s.push_back("select g_name from jxc_goods where g_sn='" + code(i * 97 % kGoods) + "'");
    return s;
}

void LayerSameStatement(benchmark::State& state) {
    pos::TF_DataModule dm(clock, "");
    dm.openPath(storePath());
    const std::string sql = "select g_name from jxc_goods where g_sn='" + code(54321) + "'";
    for (auto _ : state) benchmark::DoNotOptimize(dm.getSqlValue(sql));
}

void LayerVaryingCodes(benchmark::State& state) {
    pos::TF_DataModule dm(clock, "");
    dm.openPath(storePath());
    auto sqls = statements();
    size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(dm.getSqlValue(sqls[i++ % sqls.size()]));
}

// The same select as a prepared statement with a bound code, without our layer.
void BarePrepared(benchmark::State& state, bool varying) {
    sqlite3* db;
    sqlite3_open_v2(storePath().c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_stmt* st;
    sqlite3_prepare_v2(db, "select g_name from jxc_goods where g_sn=?", -1, &st, nullptr);
    std::vector<std::string> codes;
    for (int i = 0; i < kCodes; ++i) codes.push_back(code(varying ? i * 97 % kGoods : 54321));
    size_t i = 0;
    for (auto _ : state) {
        const std::string& c = codes[i++ % codes.size()];
        sqlite3_bind_text(st, 1, c.data(), static_cast<int>(c.size()), SQLITE_STATIC);
        std::string result;
        if (sqlite3_step(st) == SQLITE_ROW)
            result.assign(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)),
                          sqlite3_column_bytes(st, 0));
        sqlite3_reset(st);
        benchmark::DoNotOptimize(result);
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
}

void BareSameStatement(benchmark::State& state) { BarePrepared(state, false); }
void BareVaryingCodes(benchmark::State& state) { BarePrepared(state, true); }

// For scale: preparing each pasted statement anew, as a layer without its cache would.
void BarePrepareEachTime(benchmark::State& state) {
    sqlite3* db;
    sqlite3_open_v2(storePath().c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    auto sqls = statements();
    size_t i = 0;
    for (auto _ : state) {
        const std::string& s = sqls[i++ % sqls.size()];
        sqlite3_stmt* st;
        sqlite3_prepare_v2(db, s.c_str(), static_cast<int>(s.size()), &st, nullptr);
        std::string result;
        if (sqlite3_step(st) == SQLITE_ROW)
            result.assign(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        sqlite3_finalize(st);
        benchmark::DoNotOptimize(result);
    }
    sqlite3_close(db);
}

// The next sale number on a store with 100,000 sales.
void NewSaleNumber(benchmark::State& state) {
    pos::TF_DataModule dm(clock, "");
    dm.openPath(storePath());
    pos::SessionState session;
    pos::SystemParameters params;
    pos::ScriptedMessages messages;
    pos::PosContext ctx{dm, session, params, clock, messages};
    for (auto _ : state) benchmark::DoNotOptimize(pos::getNewDjh(ctx, "jxc_lsxsd", "gl_djh", "XS"));
}

BENCHMARK(LayerSameStatement);
BENCHMARK(BareSameStatement);
BENCHMARK(LayerVaryingCodes);
BENCHMARK(BareVaryingCodes);
BENCHMARK(BarePrepareEachTime);
BENCHMARK(NewSaleNumber);

// Prints the medians side by side after the usual output.
class MedianReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median")
                medians[r.run_name.function_name] = r.GetAdjustedRealTime();
            else if (r.run_type == Run::RT_Iteration && !medians.count(r.run_name.function_name))
                medians[r.run_name.function_name] = r.GetAdjustedRealTime();
    }
    std::map<std::string, double> medians;
};

}  // namespace

int main(int argc, char** argv) {
    std::vector<char*> args(argv, argv + argc);
    std::string reps = "--benchmark_repetitions=5";
    bool hasReps = false;
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]).rfind("--benchmark_repetitions", 0) == 0) hasReps = true;
    if (!hasReps) args.push_back(reps.data());
    int n = static_cast<int>(args.size());
    benchmark::Initialize(&n, args.data());
    storePath();
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto& m = reporter.medians;
    auto ratio = [&](const char* a, const char* b) {
        if (m.count(a) && m.count(b) && m[b] > 0)
            std::printf("%-22s %8.0f ns   %-20s %8.0f ns   ratio %.2f\n", a, m[a], b, m[b],
                        m[a] / m[b]);
    };
    std::printf("\nMedian time per call (target: layer within 1.5x of bare SQLite)\n");
    ratio("LayerSameStatement", "BareSameStatement");
    ratio("LayerVaryingCodes", "BareVaryingCodes");
    ratio("BarePrepareEachTime", "BareVaryingCodes");
    std::filesystem::remove_all(std::filesystem::path(storePath()).parent_path());
    benchmark::Shutdown();
    return 0;
}
