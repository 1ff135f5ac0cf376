#include "database/dataModule.h"

#include "database/dbError.h"
#include "database/sqliteBackend.h"

namespace pos {

TF_DataModule::TF_DataModule(const Clock& clock, std::string dataDir)
    : TF_DataModule(std::make_unique<SqliteBackend>(clock), std::move(dataDir)) {}

TF_DataModule::TF_DataModule(std::unique_ptr<StoreBackend> backend, std::string dataDir)
    : backend_(std::move(backend)),
      dataDir_(std::move(dataDir)),
      QueryTmp(*backend_, "QueryTmp"),
      QuerySelect(*backend_, "QuerySelect"),
      QueryTmp2(*backend_, "QueryTmp2"),
      Q_Posxs(*backend_, "Q_Posxs",
              "select a.*,b.g_name,b.gg_name,b.dw_name,b.g_sccs,b.color_name from jxc_lsxssp "
              "a,jxc_goods b where a.g_sn=b.g_sn order by a.id"),
      Q_PosGoods(*backend_, "Q_PosGoods",
                 "select distinct a.*,c.t_yxq,c.t_ph,c.t_scrq,c.t_sl from jxc_goods a,jxc_kcsp "
                 "b,jxc_tkc c where a.g_sn=b.g_sn and a.g_sn=c.g_sn"),
      Q_PosJg(*backend_, "Q_PosJg"),
      Q_PosJg2(*backend_, "Q_PosJg2",
               "select a.*,b.g_name,a.pos_dj*a.pos_dzl as dhdj from jxc_posxssp a,jxc_goods b "
               "where a.g_sn=b.g_sn"),
      Q_PosDyxp(*backend_, "Q_PosDyxp",
                "select a.*,b.hy_name,b.hy_bh from jxc_posxsd a left outer join jxc_hyxx b on "
                "a.hy_sn=b.hy_sn"),
      Q_PosDyxp2(*backend_, "Q_PosDyxp2",
                 "select a.*,b.g_name,a.pos_dj*a.pos_dzl as dhdj from jxc_posxssp a,jxc_goods b "
                 "where a.g_sn=b.g_sn"),
      Q_Posth(*backend_, "Q_Posth",
              "select a.*,b.g_name from jxc_posthsp a,jxc_goods b where a.g_sn=b.g_sn"),
      Q_Poslsz(*backend_, "Q_Poslsz",
               "select a.*,b.u_name from jxc_posxsd a,jxc_user b where a.u_sn=b.u_sn"),
      Q_Poslsz2(*backend_, "Q_Poslsz2",
                "select a.*,b.g_name,b.dw_name,b.gg_name,b.color_name,c.hy_bh,c.hy_name,d.pos_xsrq "
                "from jxc_posxssp a,jxc_goods b,jxc_hyxx c,jxc_posxsd d where a.g_sn=b.g_sn and "
                "a.gl_djh=d.gl_djh and d.hy_sn=c.hy_sn "),
      Q_PosxsSyy(*backend_, "Q_PosxsSyy",
                 "select a.g_sn,sum(a.pos_sl) as sl,sum(pos_zje) as zje,max(c.g_name) as gname "
                 "from jxc_posxssp a,jxc_posxsd b,jxc_goods c where a.gl_djh=b.gl_djh and "
                 "a.g_sn=c.g_sn group by a.g_sn"),
      Q_Jbgl(*backend_, "Q_Jbgl", "select * from jxc_jbgl order by id "),
      Q_Dhzp(*backend_, "Q_Dhzp",
             "select a.*,b.g_name from jxc_dhzp a,jxc_goods b where a.g_sn=b.g_sn"),
      Q_GoodsCX(*backend_, "Q_GoodsCX",
                "select a.g_sn,a.g_name,a.g_jm,a.g_sccs,a.g_bz,a.dw_name,a.color_name,a.gg_name,"
                "b.gc_name from jxc_goods a,jxc_goodsclass b where a.gc_sn=b.gc_sn and a.g_jy=0 "
                "order by a.id"),
      Q_GoodsPrin(*backend_, "Q_GoodsPrin", "select * from jxc_blfysp") {}

TF_DataModule::~TF_DataModule() = default;

void TF_DataModule::connectDatabase(const std::string& file) {
    std::string dir = dataDir_;
    if (!dir.empty() && dir.back() != '/') dir += '/';
    openPath(dir + file);
}

void TF_DataModule::openPath(const std::string& path) {
    for (Query* q : {&QueryTmp, &QuerySelect, &QueryTmp2}) q->close();
    backend_->close();
    backend_->open(path);
    path_ = path;
}

void TF_DataModule::setSql(Query& q, const std::string& statement) { q.setSqlText(statement); }

std::string TF_DataModule::getSqlValue(const std::string& statement) {
    return backend_->firstValue(statement).asText();
}

long long TF_DataModule::execSql(const std::string& statement) {
    return backend_->execute(statement);
}

void TF_DataModule::openSelect(const std::string& statement) { openSql(QuerySelect, statement); }

void TF_DataModule::openSql(Query& q, const std::string& statement) {
    setSql(q, statement);
    q.open();
}

TF_DataModule::Transaction::Transaction(TF_DataModule& dm) : dm_(dm) {
    if (dm_.txDepth_ == 0) {
        dm_.backend_->begin();
        dm_.txFailed_ = false;
    }
    ++dm_.txDepth_;
}

void TF_DataModule::Transaction::commit() {
    if (done_) return;
    done_ = true;
    if (--dm_.txDepth_ > 0) return;
    if (dm_.txFailed_) {
        dm_.backend_->rollback();
        throw DbError("the posting was abandoned and nothing of it was saved");
    }
    try {
        dm_.backend_->commit();
    } catch (...) {
        dm_.backend_->rollback();
        throw;
    }
}

TF_DataModule::Transaction::~Transaction() {
    if (done_) return;
    // Left without commit: an error is on its way up. Nothing of the work stays.
    dm_.txFailed_ = true;
    if (--dm_.txDepth_ == 0) {
        try {
            dm_.backend_->rollback();
        } catch (...) {
        }
    }
}

}  // namespace pos
