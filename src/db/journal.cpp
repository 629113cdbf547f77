#include "db/journal.h"
#include "db/database.h"
#include "db/query.h"

const char* const JournalViewer::kListSql =
    "SELECT JR_UID,DAT,TIM,TAB_NAME,OPER FROM JRNL INNER JOIN OPERATOR ON JRNL.OPER_NOM=OPERATOR.OPER_NOM ORDER BY "
    "DAT DESC,TIM DESC";
const char* const JournalViewer::kRecordSql =
    "SELECT DAT,TIM,QUERY_UPD,OPER,TAB_NAME,PRMS FROM JRNL INNER JOIN OPERATOR ON JRNL.OPER_NOM=OPERATOR.OPER_NOM "
    "WHERE JR_UID=:JR_UID";

QStringList JournalViewer::loadList()
{
    QStringList ids;
    Query q(db_.main(), QString::fromUtf8(kListSql));
    for (q.open(); !q.eof(); q.next())
        ids << q.text(0);
    return ids;
}

void JournalViewer::setList(const QStringList& ids, int current)
{
    ids_ = ids;
    pos_ = ids.isEmpty() ? -1 : qBound(0, current, static_cast<int>(ids.size()) - 1);
}

JournalEntry JournalViewer::read(const QString& jrUid)
{
    JournalEntry e;
    Query q(db_.main(), QString::fromUtf8(kRecordSql));
    q.setParam(QStringLiteral("JR_UID"), jrUid);
    q.open();
    if (q.eof())
        return e;
    e.number = jrUid;
    e.date = q.text(QStringLiteral("DAT"));
    e.time = q.text(QStringLiteral("TIM"));
    e.sql = q.text(QStringLiteral("QUERY_UPD"));
    e.author = q.text(QStringLiteral("OPER"));
    e.table = q.text(QStringLiteral("TAB_NAME"));
    e.params = q.text(QStringLiteral("PRMS"));
    return e;
}

JournalEntry JournalViewer::current() { return pos_ < 0 ? JournalEntry() : read(ids_[pos_]); }

bool JournalViewer::previous()
{
    if (pos_ <= 0)
        return false;
    --pos_;
    return true;
}

bool JournalViewer::next()
{
    if (pos_ < 0 || pos_ + 1 >= ids_.size())
        return false;
    ++pos_;
    return true;
}
