#pragma once
// The data module: the one connection to the store and the shared queries
// through which every part of the terminal reads and writes.
//
// Sharing rules of the shared queries: a caller that iterates QuerySelect may
// call getSqlValue and execSql (they use QueryTmp) but must finish with its rows
// before calling openSelect again; a caller that iterates QueryTmp2 may call
// all three.
#include <memory>
#include <string>

#include "database/query.h"
#include "database/storeBackend.h"

namespace pos {

class Clock;

// The store file in the program's data folder.
inline constexpr const char* kStoreFileName = "jxc.db";

class TF_DataModule {
  public:
    // A module over SQLite; `dataDir` is the folder connectDatabase opens files in.
    TF_DataModule(const Clock& clock, std::string dataDir);
    TF_DataModule(std::unique_ptr<StoreBackend> backend, std::string dataDir);
    ~TF_DataModule();
    TF_DataModule(const TF_DataModule&) = delete;
    TF_DataModule& operator=(const TF_DataModule&) = delete;

    // (Re)opens the connection on dataDir + file.
    void connectDatabase(const std::string& file);
    // Opens a store by its full path (the command line of the store).
    void openPath(const std::string& path);
    const std::string& storePath() const { return path_; }

    void setSql(Query& q, const std::string& statement);
    // First column of the first row as text; empty for no row, null or empty text.
    std::string getSqlValue(const std::string& statement);
    // Runs a statement that returns no rows; the number of rows it changed.
    long long execSql(const std::string& statement);
    void openSelect(const std::string& statement);
    void openSql(Query& q, const std::string& statement);

    StoreBackend& backend() { return *backend_; }

    // Transaction scope: begins (or joins the open one); rolls back unless committed.
    class Transaction {
      public:
        explicit Transaction(TF_DataModule& dm);
        ~Transaction();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;
        void commit();

      private:
        TF_DataModule& dm_;
        bool done_ = false;
    };

  private:
    std::unique_ptr<StoreBackend> backend_;
    std::string dataDir_;
    std::string path_;
    int txDepth_ = 0;
    bool txFailed_ = false;

  public:
    // Shared queries.
    Query QueryTmp;
    Query QuerySelect;
    Query QueryTmp2;
    // Bound queries: grids and reports bind to these; callers replace the SQL.
    Query Q_Posxs;
    Query Q_PosGoods;
    Query Q_PosJg;
    Query Q_PosJg2;
    Query Q_PosDyxp;
    Query Q_PosDyxp2;
    Query Q_Posth;
    Query Q_Poslsz;
    Query Q_Poslsz2;
    Query Q_PosxsSyy;
    Query Q_Jbgl;
    Query Q_Dhzp;
    Query Q_GoodsCX;
    Query Q_GoodsPrin;
};

using DataModule = TF_DataModule;

}  // namespace pos
