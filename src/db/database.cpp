#include "db/database.h"
#include "db/fb_status.h"
#include <QByteArray>
#include <csignal>
#include <QStringList>
#include <string>
#include <string_view>

DbError::DbError(const QString& message, int sqlcode, long gdscode)
    : std::runtime_error(message.toStdString()), message_(message), sqlcode_(sqlcode), gdscode_(gdscode) {}

QString fb_message(const ISC_STATUS* status)
{
    QStringList lines;
    char buf[1024];
    const ISC_STATUS* p = status;
    while (fb_interpret(buf, sizeof buf, &p) > 0)
        lines << QString::fromUtf8(buf);
    return lines.join(QLatin1Char('\n'));
}

void fb_check(const ISC_STATUS* status, const char* where)
{
    if (status[0] == 1 && status[1] != 0) {
        QString msg = fb_message(status);
        if (msg.isEmpty() && where)
            msg = QString::fromUtf8(where);
        throw DbError(msg, static_cast<int>(isc_sqlcode(status)), static_cast<long>(status[1]));
    }
}

namespace {
void addString(std::string& dpb, char tag, const QByteArray& value)
{
    dpb.push_back(tag);
    dpb.push_back(static_cast<char>(value.size()));
    dpb.append(value.constData(), static_cast<size_t>(value.size()));
}

std::string makeDpb(const QString& user, const QString& password, bool creating)
{
    std::string dpb;
    dpb.push_back(isc_dpb_version1);
    addString(dpb, isc_dpb_user_name, user.toUtf8());
    addString(dpb, isc_dpb_password, password.toUtf8());
    addString(dpb, isc_dpb_lc_ctype, QByteArrayLiteral("UTF8"));
    dpb.push_back(isc_dpb_sql_dialect);
    dpb.push_back(4);
    const int dialect = 3;
    dpb.append(reinterpret_cast<const char*>(&dialect), 4);
    if (creating) {
        addString(dpb, isc_dpb_set_db_charset, QByteArrayLiteral("WIN1251"));
        dpb.push_back(isc_dpb_page_size);
        dpb.push_back(4);
        const int page = 8192;
        dpb.append(reinterpret_cast<const char*>(&page), 4);
        dpb.push_back(isc_dpb_set_db_sql_dialect);
        dpb.push_back(4);
        dpb.append(reinterpret_cast<const char*>(&dialect), 4);
    }
    return dpb;
}
// The embedded engine installs its own SIGTERM and SIGINT handlers on the first attachment; with them
// a terminated workstation neither ends nor stops working (it spins). The program keeps the handlers
// it had, so "kill" ends it like any other program; committed work is safe in the database file.
class KeepTerminationSignals {
public:
    KeepTerminationSignals()
    {
        sigaction(SIGTERM, nullptr, &term_);
        sigaction(SIGINT, nullptr, &intr_);
    }
    ~KeepTerminationSignals()
    {
        sigaction(SIGTERM, &term_, nullptr);
        sigaction(SIGINT, &intr_, nullptr);
    }

private:
    struct sigaction term_ {};
    struct sigaction intr_ {};
};
} // namespace

Database::Database()
    : main_(std::make_unique<Transaction>(*this)), entry_(std::make_unique<Transaction>(*this)),
      list_(std::make_unique<Transaction>(*this, Transaction::Kind::ReadOnly))
{
}

Database::~Database() { detach(); }

bool Database::attached() const { return handle_ != 0; }

void Database::attach(const QString& connection, const QString& user, const QString& password)
{
    detach();
    ISC_STATUS_ARRAY status;
    const QByteArray path = connection.trimmed().toUtf8();
    const std::string dpb = makeDpb(user, password, false);
    KeepTerminationSignals keep;
    isc_attach_database(status, static_cast<short>(path.size()), path.constData(), &handle_,
                        static_cast<short>(dpb.size()), dpb.data());
    if (status[0] == 1 && status[1]) {
        handle_ = 0;
        fb_check(status);
    }
    connection_ = connection.trimmed();
}

void Database::create(const QString& connection, const QString& user, const QString& password)
{
    detach();
    ISC_STATUS_ARRAY status;
    const QByteArray path = connection.trimmed().toUtf8();
    const std::string dpb = makeDpb(user, password, true);
    KeepTerminationSignals keep;
    isc_create_database(status, static_cast<short>(path.size()), path.constData(), &handle_,
                        static_cast<short>(dpb.size()), dpb.data(), 0);
    if (status[0] == 1 && status[1]) {
        handle_ = 0;
        fb_check(status);
    }
    connection_ = connection.trimmed();
}

void Database::detach() noexcept
{
    if (!handle_)
        return;
    main_->rollback();
    entry_->rollback();
    list_->rollback();
    ISC_STATUS_ARRAY status;
    isc_detach_database(status, &handle_);
    handle_ = 0;
}

Transaction::Transaction(Database& db, Kind kind) : db_(db), kind_(kind) {}

Transaction::~Transaction() { rollback(); }

void Transaction::start()
{
    if (handle_)
        return;
    if (!db_.attached())
        throw DbError(QStringLiteral("Нет соединения с базой данных"));
    static constexpr char write[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed, isc_tpb_rec_version,
                                     isc_tpb_nowait};
    static constexpr char readOnly[] = {isc_tpb_version3, isc_tpb_read, isc_tpb_read_committed, isc_tpb_rec_version,
                                        isc_tpb_nowait};
    static constexpr char snapshot[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_concurrency, isc_tpb_nowait};
    std::string_view tpb(write, sizeof write);
    if (kind_ == Kind::ReadOnly)
        tpb = std::string_view(readOnly, sizeof readOnly);
    else if (kind_ == Kind::Snapshot)
        tpb = std::string_view(snapshot, sizeof snapshot);
    ISC_STATUS_ARRAY status;
    isc_start_transaction(status, &handle_, 1, db_.handle(), static_cast<unsigned short>(tpb.size()), tpb.data());
    if (status[0] == 1 && status[1]) {
        handle_ = 0;
        fb_check(status);
    }
}

unsigned int* Transaction::handle()
{
    start();
    return &handle_;
}

void Transaction::commit()
{
    if (!handle_)
        return;
    ISC_STATUS_ARRAY status;
    isc_commit_transaction(status, &handle_);
    fb_check(status);
    handle_ = 0;
}

void Transaction::rollback() noexcept
{
    if (!handle_)
        return;
    ISC_STATUS_ARRAY status;
    isc_rollback_transaction(status, &handle_);
    handle_ = 0;
}

void Transaction::executeImmediate(const QString& sql)
{
    const QByteArray text = sql.toUtf8();
    ISC_STATUS_ARRAY status;
    isc_dsql_execute_immediate(status, db_.handle(), handle(), 0, text.constData(), 3, nullptr);
    fb_check(status);
}
