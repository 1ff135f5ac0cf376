#include "common/operationLog.h"

#include "database/dataModule.h"
#include "database/posContext.h"
#include "database/sessionState.h"
#include "platform/clock.h"

namespace pos {

void writeLog(PosContext& ctx, const std::string& note) {
    Query& q = ctx.db.QuerySelect;
    ctx.db.openSelect("select * from jxc_log where 1>2");
    q.append();
    q.setField("log_time", Value::text(ctx.clock.now().dateTime()));
    q.setField("a_name", Value::text(ctx.session.operatorName));
    q.setField("log_note", Value::text(note));
    q.post();
    q.close();
}

}  // namespace pos
