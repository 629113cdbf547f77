#include "core/status_refresh.h"
#include "core/menu_state.h"
#include "core/program_version.h"
#include "core/register_session.h"
#include "core/working_state.h"
#include "db/database.h"
#include "db/query.h"
#include "util/clock.h"
#include <QDateTime>
#include <utility>

StatusRefresh::StatusRefresh(WorkingState& ws, Database& db, RegisterSession& reg, MenuState& menus,
                             const Clock& clock)
    : ws_(ws), db_(db), reg_(reg), menus_(menus), clock_(clock)
{
}

QDateTime StatusRefresh::shiftOpened()
{
    if (ws_.cur_smena_nom.isEmpty() || !db_.attached())
        return QDateTime();
    try {
        Query q(db_.main(), QStringLiteral("select opn_dat,opn_tim from smena where smena_nom=:smena_nom"));
        q.setParam(QStringLiteral("smena_nom"), ws_.cur_smena_nom);
        q.open();
        if (q.eof() || std::as_const(q).isNull(0))
            return QDateTime();
        QTime t = QTime::fromString(q.text(1).trimmed(), QStringLiteral("HH:mm:ss"));
        if (!t.isValid())
            t = QTime(0, 0);
        return QDateTime(q.date(0), t);
    } catch (const DbError&) {
        return QDateTime();
    }
}

QString StatusRefresh::status_refresh(bool force_open, bool printer_shift_state)
{
    using namespace menu;
    const int d = ws_.fr_driver;
    QString title = appTitle_ + QStringLiteral(" (вер. ") + program_version_text(&db_) + QStringLiteral("). ");

    // the items offered only while a shift is open
    const char* const shiftItems[] = {XReport, ScreenReport, Refund, CloseShift, CashIn};
    const auto setShiftItems = [&](bool v) {
        for (const char* id : shiftItems)
            menus_.set(QString::fromLatin1(id), v);
    };

    bool open = false;
    bool over24 = false;
    if (ws_.fr_connected) {
        title += QStringLiteral("ФР включен. ");
        if (d == 0 || d == 3) {
            const int state = reg_.prim_shift_state();
            open = state > 0;
            over24 = state == 1;
        } else if (d == 1 || d == 6) {
            open = reg_.atol_session_opened();
        } else if (d == 2 || d == 5) {
            const int mode = reg_.shtrih_ecr_mode();
            open = force_open || mode != 4;
            over24 = mode == 3;
        } else if (d == 4) {
            open = printer_shift_state;
        }
        const QDateTime opened = shiftOpened();
        const QDateTime now = clock_.now();
        if (!ws_.noclose && opened.isValid() && opened.secsTo(now) >= 24 * 3600)
            over24 = true;

        if (open || over24) {
            if (over24) {
                title += QStringLiteral("Смена открыта более 24ч назад.");
            } else {
                title += QStringLiteral("Смена открыта. ");
                if (opened.isValid() && (d == 0 || d == 5 || d == 6)) {
                    const qint64 left = qMax<qint64>(0, now.secsTo(opened.addSecs(24 * 3600)));
                    const QString hm = QStringLiteral("%1:%2").arg(left / 3600).arg((left % 3600) / 60, 2, 10, QLatin1Char('0'));
                    title += QStringLiteral("Осталось ") + hm + QStringLiteral(":00. ");
                }
            }
            if (ws_.cur_role != QLatin1String("0"))
                menus_.hide(QString::fromLatin1(OpenShift));
            setShiftItems(true);
            menus_.set(QString::fromLatin1(EnterPayment), !over24);
        } else {
            const bool plain = d == 1 || d == 2 || d == 3;
            if (!plain)
                title += QStringLiteral("Смена закрыта.");
            menus_.show(QString::fromLatin1(OpenShift));
            setShiftItems(false);
            // plain-text devices have no fiscal shift: payments go on without one
            menus_.set(QString::fromLatin1(EnterPayment), plain);
        }
    } else {
        title += QStringLiteral("ФР выключен.");
        menus_.hide(QString::fromLatin1(OpenShift));
        setShiftItems(false);
        if (ws_.cur_role != QLatin1String("0"))
            menus_.hide(QString::fromLatin1(EnterPayment));
    }

    title += QStringLiteral(" Пользователь: ") + ws_.cur_oper_name + QStringLiteral(" ") + QStringLiteral("(") +
             ws_.cur_podr + QStringLiteral(").");

    const QString role = ws_.cur_role;
    if (role != QLatin1String("0")) {
        menus_.show(QString::fromLatin1(Directories));
        menus_.hide(QString::fromLatin1(Admin));
        menus_.hide(QString::fromLatin1(SummaryReport));
    }
    if (role == QLatin1String("1")) {
        menus_.hide(QString::fromLatin1(BisExport));
        menus_.show(QString::fromLatin1(SummaryReport));
    }
    if (role == QLatin1String("2") || ws_.cur_podr != QLatin1String("0000"))
        menus_.hide(QString::fromLatin1(Exchange));
    if (role == QLatin1String("3")) {
        for (const char* id : {ChangePodr, EnterPayment, Register, ShiftRegistry1, ShiftRegistry2, PaymentsReport,
                               DocumentsReport, BisExport, Exchange})
            menus_.hide(QString::fromLatin1(id));
        menus_.show(QString::fromLatin1(SummaryReport));
    }

    ws_.fr_shift_open = open;
    title_ = title;
    if (onTitle_)
        onTitle_(title);
    return title;
}
