#include "core/payment_list.h"
#include "core/working_state.h"
#include "db/database.h"
#include "db/db_utils.h"
#include "db/query.h"
#include <algorithm>
#include <limits>

const char* const PaymentList::kShiftSql =
    "SELECT SMENA.SMENA_NOM,OPER, SMENA.PODR FROM SMENA INNER JOIN OPERATOR ON OPERATOR.OPER_NOM=SMENA.OPER_NOM "
    "WHERE SMENA.OPER_NOM LIKE :OPER_NOM AND OPN_DAT BETWEEN :OPN_DAT AND :OPN_DAT AND OPERATOR.USRROL='2' "
    "ORDER BY 3,2;";

PaymentList::PaymentList(WorkingState& ws, Database& db) : ws_(ws), db_(db) {}

PaymentList::~PaymentList() { close(); }

const std::vector<PaymentList::Column>& PaymentList::columns()
{
    static const std::vector<Column> c = {
        {QStringLiteral("№ чека"), QStringLiteral("PAYMENTS.NDOC"), 0},
        {QStringLiteral("Уник.№"), QStringLiteral("PAYMENTS.UID"), 80},
        {QStringLiteral("Дата"), QStringLiteral("PAYMENTS.DAT"), 85},
        {QStringLiteral("Время"), QStringLiteral("PAYMENTS.TIM"), 70},
        {QStringLiteral("Поставщик"), QStringLiteral("SERVICE.PRIM"), 230},
        {QStringLiteral("Сумма"), QStringLiteral("PAYMENTS.SUM_PRIH"), 80},
        {QStringLiteral("ФИО плательщика"), QStringLiteral("PAYMENTS.FIO"), 200},
        {QStringLiteral("Кассир"), QStringLiteral("OPERATOR.OPER"), 100},
        {QStringLiteral("PRNSTAT"), QStringLiteral("PAYMENTS.PRNSTAT"), 0},
        {QStringLiteral("PMNT_CM"), QStringLiteral("PAYMENTS.PMNT_CM"), 0},
        {QStringLiteral("SPAYEE"), QStringLiteral("ORGN.SPAYEE"), 0},
        {QStringLiteral("N_PLAT"), QStringLiteral("PP.N_PLAT"), 0},
    };
    return c;
}

QString PaymentList::operNomParam() const { return ws_.isCashier() ? ws_.cur_oper_nom : QStringLiteral("%"); }

std::vector<ShiftEntry> PaymentList::sm_list()
{
    std::vector<ShiftEntry> list{{QStringLiteral("%"), QStringLiteral("%")}};
    Query q(db_.main(), QString::fromUtf8(kShiftSql));
    q.setParam(QStringLiteral("OPER_NOM"), operNomParam());
    q.setParam(QStringLiteral("OPN_DAT"), day);
    for (q.open(); !q.eof(); q.next()) {
        const QString nom = q.text(0);
        list.push_back({QStringLiteral("(") + q.text(2) + QStringLiteral(") ") + q.text(1) + QStringLiteral(" №") + nom, nom});
    }
    q.close();
    return list;
}

QString PaymentList::dayShiftCondition(const QString& table) const
{
    if (current_shift)
        return QStringLiteral(" AND %1.DAT BETWEEN :DAT AND :DAT AND %1.SMENA_NOM=OPERATOR.SMENA_NOM").arg(table);
    return QStringLiteral(" AND %1.DAT BETWEEN :DAT AND :DAT AND %1.SMENA_NOM LIKE :SMENA_NOM").arg(table);
}

QString PaymentList::listSql() const
{
    QString sql = QStringLiteral(
        "SELECT PAYMENTS.NDOC, PAYMENTS.UID, PAYMENTS.DAT, PAYMENTS.TIM, SERVICE.PRIM,PAYMENTS.SUM_PRIH, PAYMENTS.FIO, "
        "OPERATOR.OPER, PAYMENTS.PRNSTAT,PMNT_CM,ORGN.SPAYEE,PP.N_PLAT\n"
        "FROM PAYMENTS INNER JOIN SERVICE ON PAYMENTS.KOD_SRV=SERVICE.KOD_SRV\n"
        "INNER JOIN OPERATOR ON PAYMENTS.OPER_NOM=OPERATOR.OPER_NOM\n"
        "LEFT JOIN PP ON PAYMENTS.UID=PP.UID\n"
        "LEFT JOIN ORGN ON PP.KOD_ORG=ORGN.KOD_ORG\n");
    // the export join only serves a filter on the payment order's date (a key join adds no rows)
    if (list_filter.sql.contains(QStringLiteral("EXPRT.")))
        sql += QStringLiteral("LEFT JOIN EXPRT ON PAYMENTS.EXP_UID=EXPRT.EXP_UID\n");
    sql += QStringLiteral("WHERE\n");
    // every cashier: "LIKE '%'" would only make the engine walk the whole cashier index
    sql += ws_.isCashier() ? QStringLiteral("PAYMENTS.OPER_NOM LIKE :OPER_NOM\n") : QStringLiteral("PAYMENTS.OPER_NOM IS NOT NULL\n");
    sql += list_filter.empty() ? dayShiftCondition() : list_filter.sql;
    sql += QStringLiteral("\nAND SERVICE.IS_K = '0'\n");
    if (ws_.cur_role == QLatin1String("1") && ws_.cur_podr != QLatin1String("0000"))
        sql += QStringLiteral("AND PAYMENTS.PODR starting with :PODR\n");
    if (orderedByDatabase()) {
        // The day's rows in UID order straight from the (day, UID) index: the first screen is read
        // after a few rows, with no sort of the whole day. The plan is written out because the
        // optimizer, with the index statistics of a database filled after its creation still at zero,
        // prefers reading and sorting the whole day.
        sql += QStringLiteral("PLAN JOIN (JOIN (JOIN (PAYMENTS ORDER IX_PAYMENTS_DAT_UID INDEX (IX_PAYMENTS_DAT_UID), "
                              "SERVICE INDEX (PK_SERVICE), OPERATOR INDEX (PK_OPERATOR)), PP INDEX (PK_PP)), "
                              "ORGN INDEX (PK_ORGN))\nORDER BY PAYMENTS.DAT, PAYMENTS.UID");
    } else if (list_filter.empty() && hasIndex(QStringLiteral("IX_PAYMENTS_SRV_DAT"))) {
        // A whole day read for another order walks the non-commission services and, for each, its
        // rows of the day in the (service, day) index, so the commission rows are never read.
        sql += QStringLiteral("PLAN JOIN (JOIN (SERVICE NATURAL, PAYMENTS INDEX (IX_PAYMENTS_SRV_DAT), OPERATOR INDEX "
                              "(PK_OPERATOR)), PP INDEX (PK_PP), ORGN INDEX (PK_ORGN))\n");
    }
    // In any other order the rows are put in list_order here, not by the engine: its sort carries
    // every selected column (names, comments, purposes) and costs more than the whole fetch on a busy
    // day.
    return sql;
}

bool PaymentList::orderedByDatabase() const
{
    // one day (no filter) in the default order; the day is fixed, so DAT, UID is the UID order
    return list_filter.empty() && orderColumn() == kUidColumn && hasIndex(QStringLiteral("IX_PAYMENTS_DAT_UID"));
}

bool PaymentList::hasIndex(const QString& name) const
{
    // a database made before an index was added lists without its plan
    auto it = indexes_.find(name);
    if (it == indexes_.end()) {
        Query q(db_.main(), QStringLiteral("SELECT COUNT(*) FROM RDB$INDICES WHERE RDB$INDEX_NAME = :NAME "
                                           "AND COALESCE(RDB$INDEX_INACTIVE, 0) = 0"));
        q.setParam(QStringLiteral("NAME"), name);
        q.open();
        const bool has = !q.eof() && q.integer(0) > 0;
        q.close();
        it = indexes_.emplace(name, has).first;
    }
    return it->second;
}

QVariantMap PaymentList::listParams() const
{
    QVariantMap p;
    if (ws_.isCashier())
        p.insert(QStringLiteral("OPER_NOM"), operNomParam());
    if (list_filter.empty()) {
        p.insert(QStringLiteral("DAT"), day);
        if (!current_shift)
            p.insert(QStringLiteral("SMENA_NOM"), smena_nom.isEmpty() ? QStringLiteral("%") : smena_nom);
    } else {
        for (auto it = list_filter.params.begin(); it != list_filter.params.end(); ++it)
            p.insert(it.key(), it.value());
    }
    if (ws_.cur_role == QLatin1String("1") && ws_.cur_podr != QLatin1String("0000"))
        p.insert(QStringLiteral("PODR"), ws_.cur_podr.left(4));
    return p;
}

PaymentRow PaymentList::readRow(Query& q)
{
    PaymentRow r;
    r.ndoc = q.text(0);
    r.uid = q.text(1);
    r.dat = q.text(2);
    r.tim = q.text(3);
    r.prim = q.text(4);
    r.sum = q.amount(5);
    r.fio = q.text(6);
    r.oper = q.text(7);
    r.prnstat = q.text(8);
    r.pmnt_cm = q.text(9);
    r.spayee = q.text(10);
    r.n_plat = q.text(11);
    return r;
}

void PaymentList::close()
{
    cursor_.reset();
    sorted_.clear();
    next_ = 0;
    if (db_.attached())
        db_.list().rollback();
}

void PaymentList::clear()
{
    close();
    rows_.clear();
}

void PaymentList::open_pmnts()
{
    close();
    try {
        auto q = std::make_unique<Query>(db_.list(), listSql());
        DbUtils::bindMap(*q, listParams());
        q->open();
        if (orderedByDatabase()) {
            cursor_ = std::move(q);
            if (cursor_->eof())
                close();
            return;
        }
        std::vector<PaymentRow> all;
        for (; !q->eof(); q->next())
            all.push_back(readRow(*q));
        q.reset();
        db_.list().commit();
        sortRows(all);
        sorted_ = std::move(all);
    } catch (...) {
        close();
        throw;
    }
}

std::vector<PaymentRow> PaymentList::fetch(int count)
{
    std::vector<PaymentRow> out;
    if (cursor_) {
        try {
            for (; count > 0 && !cursor_->eof(); --count, cursor_->next())
                out.push_back(readRow(*cursor_));
        } catch (...) {
            close();
            throw;
        }
        if (cursor_->eof())
            close();
        return out;
    }
    const size_t end = std::min(sorted_.size(), next_ + static_cast<size_t>(std::max(count, 0)));
    out.assign(std::make_move_iterator(sorted_.begin() + static_cast<std::ptrdiff_t>(next_)),
               std::make_move_iterator(sorted_.begin() + static_cast<std::ptrdiff_t>(end)));
    next_ = end;
    if (atEnd())
        close();
    return out;
}

const std::vector<PaymentRow>& PaymentList::show_pmnts()
{
    rows_.clear();
    open_pmnts();
    rows_ = fetch(std::numeric_limits<int>::max());
    return rows_;
}

int PaymentList::orderColumn() const
{
    const auto& cols = columns();
    for (int i = 0; i < static_cast<int>(cols.size()); ++i)
        if (cols[i].field == list_order)
            return i;
    return kUidColumn;
}

void PaymentList::sortRows(std::vector<PaymentRow>& rows) const
{
    // the order of the database's ORDER BY on these columns: NULL (empty) first, dates by day, amounts
    // by value, texts by character code (the database's WIN1251 binary order for letters and digits)
    // "DD.MM.YYYY" compared as YYYY, MM, DD
    auto dayLess = [](const QString& a, const QString& b) {
        if (a.size() != 10 || b.size() != 10)
            return a.size() < b.size();
        for (int from : {6, 3, 0}) {
            const int len = from == 6 ? 4 : 2;
            const int c = QStringView(a).mid(from, len).compare(QStringView(b).mid(from, len));
            if (c != 0)
                return c < 0;
        }
        return false;
    };
    auto text = [](const PaymentRow& r, int c) -> const QString& {
        switch (c) {
        case 0: return r.ndoc;
        case 1: return r.uid;
        case 3: return r.tim;
        case 4: return r.prim;
        case 6: return r.fio;
        case 7: return r.oper;
        case 8: return r.prnstat;
        case 9: return r.pmnt_cm;
        case 10: return r.spayee;
        default: return r.n_plat;
        }
    };
    const int c = orderColumn();
    if (c == kSumColumn)
        std::stable_sort(rows.begin(), rows.end(), [](const PaymentRow& a, const PaymentRow& b) { return a.sum < b.sum; });
    else if (c == 2)
        std::stable_sort(rows.begin(), rows.end(),
                         [&](const PaymentRow& a, const PaymentRow& b) { return dayLess(a.dat, b.dat); });
    else
        std::stable_sort(rows.begin(), rows.end(), [&](const PaymentRow& a, const PaymentRow& b) {
            return QString::compare(text(a, c), text(b, c), Qt::CaseSensitive) < 0;
        });
}
