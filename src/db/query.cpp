#include "db/query.h"
#include "db/database.h"
#include "db/fb_status.h"
#include "util/text.h"
#include <QHash>
#include <cmath>
#include <cstring>
#include <string>

namespace {
constexpr int kUtf8 = 4;      // character set id of UTF8
constexpr int kMaxVarying = 32765;
constexpr qint64 kDateBase = 2400001; // Julian day of 17.11.1858, day 0 of ISC_DATE

int baseType(const XSQLVAR& v) { return v.sqltype & ~1; }

// A scaled integer as text with "," and without trailing zeros: 1250 at scale -2 gives "12,5".
QString scaledText(qint64 v, int scale)
{
    return scale >= 0 ? QString::number(v * power_of_ten(scale)) : scaled_text(v, -scale, QLatin1Char(','));
}

qint64 rescale(qint64 v, int from, int to)
{
    // from/to are Firebird scales (negative = decimals)
    if (from == to)
        return v;
    if (from > to)
        return v * power_of_ten(from - to);
    return div_round_half_away(v, power_of_ten(to - from));
}

QDate iscDate(ISC_DATE d) { return QDate::fromJulianDay(static_cast<qint64>(d) + kDateBase); }
qint64 rawInt(const XSQLVAR& v)
{
    switch (baseType(v)) {
    case SQL_SHORT: { short x; std::memcpy(&x, v.sqldata, 2); return x; }
    case SQL_LONG: { ISC_LONG x; std::memcpy(&x, v.sqldata, 4); return x; }
    default: { qint64 x; std::memcpy(&x, v.sqldata, 8); return x; }
    }
}
// "DD.MM.YYYY", as QDate::toString("dd.MM.yyyy") writes it, without parsing the format for every row
QString dateText(const QDate& d)
{
    int y = 0, m = 0, day = 0;
    d.getDate(&y, &m, &day);
    if (y < 1 || y > 9999)
        return d.toString(QStringLiteral("dd.MM.yyyy"));
    const char16_t c[10] = {char16_t(u'0' + day / 10), char16_t(u'0' + day % 10), u'.', char16_t(u'0' + m / 10),
                            char16_t(u'0' + m % 10), u'.', char16_t(u'0' + y / 1000), char16_t(u'0' + y / 100 % 10),
                            char16_t(u'0' + y / 10 % 10), char16_t(u'0' + y % 10)};
    return QString(reinterpret_cast<const QChar*>(c), 10);
}
ISC_DATE toIscDate(const QDate& d) { return static_cast<ISC_DATE>(d.toJulianDay() - kDateBase); }
QTime iscTime(ISC_TIME t) { return QTime::fromMSecsSinceStartOfDay(static_cast<int>(t / 10)); }
ISC_TIME toIscTime(const QTime& t) { return static_cast<ISC_TIME>(t.msecsSinceStartOfDay()) * 10; }
} // namespace

bool FieldInfo::isText() const { return type == SQL_TEXT || type == SQL_VARYING; }
bool FieldInfo::isBlob() const { return type == SQL_BLOB; }
bool FieldInfo::isNumeric() const
{
    return type == SQL_SHORT || type == SQL_LONG || type == SQL_INT64 || type == SQL_FLOAT || type == SQL_DOUBLE ||
           type == SQL_D_FLOAT;
}
bool FieldInfo::isDate() const { return type == SQL_TYPE_DATE || type == SQL_TIMESTAMP; }

QString translate_named_parameters(const QString& sql, QStringList* names)
{
    QString out;
    out.reserve(sql.size());
    const qsizetype n = sql.size();
    qsizetype i = 0;
    auto isNameChar = [](QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$'); };
    while (i < n) {
        const QChar c = sql[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            // literal or quoted name; a doubled quote stays inside
            qsizetype j = i + 1;
            while (j < n) {
                if (sql[j] == c) {
                    if (j + 1 < n && sql[j + 1] == c) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            out += sql.mid(i, j - i + 1);
            i = j + 1;
        } else if (c == QLatin1Char('-') && i + 1 < n && sql[i + 1] == QLatin1Char('-')) {
            qsizetype j = sql.indexOf(QLatin1Char('\n'), i);
            if (j < 0)
                j = n;
            out += sql.mid(i, j - i);
            i = j;
        } else if (c == QLatin1Char('/') && i + 1 < n && sql[i + 1] == QLatin1Char('*')) {
            qsizetype j = sql.indexOf(QStringLiteral("*/"), i + 2);
            j = j < 0 ? n : j + 2;
            out += sql.mid(i, j - i);
            i = j;
        } else if (c == QLatin1Char(':') && i + 1 < n && (sql[i + 1].isLetter() || sql[i + 1] == QLatin1Char('_')) &&
                   (i == 0 || !isNameChar(sql[i - 1]))) {
            qsizetype j = i + 1;
            while (j < n && isNameChar(sql[j]))
                ++j;
            if (names)
                names->append(sql.mid(i + 1, j - i - 1).toUpper());
            out += QLatin1Char('?');
            i = j;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

struct Query::Impl {
    isc_stmt_handle stmt = 0;
    XSQLDA* in = nullptr;
    XSQLDA* out = nullptr;
    std::vector<FieldInfo> inInfo, outInfo;
    std::vector<std::string> inBuf;   // data of each input parameter
    std::vector<short> inInd;
    std::vector<std::string> outBuf;
    std::vector<short> outInd;
    std::vector<QVariant> inShown;    // values as bound, for the journal
    QStringList names;
    QHash<QString, int> fieldByName;
    // The last text made of each text column and the bytes it was made of: a list repeats the same
    // names, dates and codes row after row, and a repeat costs a compare instead of a conversion.
    struct LastText {
        std::string raw;
        QString text;
        bool valid = false;
    };
    std::vector<LastText> lastText;
    int stmtType = 0;
    bool cursor = false;

    ~Impl()
    {
        free(in);
        free(out);
    }
};

Query::Query(Transaction& tr) : tr_(tr), d_(std::make_unique<Impl>()) {}

Query::Query(Transaction& tr, const QString& sql) : Query(tr) { setSql(sql); }

Query::~Query() { freeStatement(); }

void Query::freeStatement() noexcept
{
    close();
    if (d_->stmt) {
        ISC_STATUS_ARRAY status;
        isc_dsql_free_statement(status, &d_->stmt, DSQL_drop);
        d_->stmt = 0;
    }
    free(d_->in);
    free(d_->out);
    d_->in = d_->out = nullptr;
}

void Query::setSql(const QString& sql)
{
    freeStatement();
    d_ = std::make_unique<Impl>();
    sql_ = sql;
}

bool Query::prepared() const { return d_->stmt != 0; }

namespace {
XSQLDA* allocDa(int n)
{
    const int m = n < 1 ? 1 : n;
    auto* da = static_cast<XSQLDA*>(calloc(1, XSQLDA_LENGTH(m)));
    da->version = SQLDA_VERSION1;
    da->sqln = static_cast<ISC_SHORT>(m);
    return da;
}

FieldInfo infoOf(const XSQLVAR& v)
{
    FieldInfo f;
    f.name = QString::fromUtf8(v.aliasname, v.aliasname_length);
    f.relation = QString::fromUtf8(v.relname, v.relname_length);
    f.column = QString::fromUtf8(v.sqlname, v.sqlname_length);
    f.type = baseType(v);
    f.subtype = v.sqlsubtype;
    f.scale = v.sqlscale;
    f.length = v.sqllen;
    f.nullable = v.sqltype & 1;
    return f;
}
} // namespace

void Query::prepare()
{
    if (d_->stmt)
        return;
    QStringList names;
    const QByteArray text = translate_named_parameters(sql_, &names).toUtf8();
    ISC_STATUS_ARRAY status;
    isc_dsql_allocate_statement(status, tr_.database().handle(), &d_->stmt);
    fb_check(status);
    d_->out = allocDa(1);
    isc_dsql_prepare(status, tr_.handle(), &d_->stmt, 0, text.constData(), 3, d_->out);
    if (status[0] == 1 && status[1]) {
        ISC_STATUS_ARRAY s2;
        isc_dsql_free_statement(s2, &d_->stmt, DSQL_drop);
        d_->stmt = 0;
        fb_check(status);
    }
    // statement type
    char item = isc_info_sql_stmt_type;
    char info[16];
    isc_dsql_sql_info(status, &d_->stmt, 1, &item, sizeof info, info);
    fb_check(status);
    if (info[0] == isc_info_sql_stmt_type) {
        const int len = isc_vax_integer(info + 1, 2);
        d_->stmtType = isc_vax_integer(info + 3, static_cast<short>(len));
    }
    d_->cursor = d_->stmtType == isc_info_sql_stmt_select || d_->stmtType == isc_info_sql_stmt_select_for_upd;
    // output columns
    if (d_->out->sqld > d_->out->sqln) {
        const int n = d_->out->sqld;
        free(d_->out);
        d_->out = allocDa(n);
        isc_dsql_describe(status, &d_->stmt, 1, d_->out);
        fb_check(status);
    }
    const int nOut = d_->out->sqld;
    d_->outBuf.assign(nOut, std::string());
    d_->outInd.assign(nOut, 0);
    d_->outInfo.clear();
    d_->lastText.assign(static_cast<size_t>(nOut), Impl::LastText());
    for (int i = 0; i < nOut; ++i) {
        XSQLVAR& v = d_->out->sqlvar[i];
        d_->outInfo.push_back(infoOf(v));
        int size = v.sqllen;
        if (baseType(v) == SQL_VARYING)
            size += 2;
        d_->outBuf[i].assign(static_cast<size_t>(size) + 1, '\0');
        v.sqldata = d_->outBuf[i].data();
        v.sqlind = &d_->outInd[i];
        v.sqltype |= 1;
        const QString key = d_->outInfo.back().name.toUpper();
        if (!d_->fieldByName.contains(key))
            d_->fieldByName.insert(key, i);
    }
    // input parameters
    d_->in = allocDa(1);
    isc_dsql_describe_bind(status, &d_->stmt, 1, d_->in);
    fb_check(status);
    if (d_->in->sqld > d_->in->sqln) {
        const int n = d_->in->sqld;
        free(d_->in);
        d_->in = allocDa(n);
        isc_dsql_describe_bind(status, &d_->stmt, 1, d_->in);
        fb_check(status);
    }
    const int nIn = d_->in->sqld;
    d_->inBuf.assign(nIn, std::string());
    d_->inInd.assign(nIn, -1);
    d_->inShown.assign(nIn, QVariant());
    d_->inInfo.clear();
    for (int i = 0; i < nIn; ++i) {
        XSQLVAR& v = d_->in->sqlvar[i];
        d_->inInfo.push_back(infoOf(v));
        v.sqltype |= 1;
        v.sqlind = &d_->inInd[i];
        d_->inBuf[i].assign(8, '\0');
        v.sqldata = d_->inBuf[i].data();
    }
    d_->names = names.size() == nIn ? names : QStringList();
}

void Query::ensurePrepared()
{
    if (!d_->stmt)
        prepare();
}

int Query::paramCount()
{
    ensurePrepared();
    return static_cast<int>(d_->inInfo.size());
}

QStringList Query::paramNames()
{
    ensurePrepared();
    return d_->names;
}

const FieldInfo& Query::paramInfo(int index)
{
    ensurePrepared();
    if (index < 0 || index >= static_cast<int>(d_->inInfo.size()))
        throw DbError(QStringLiteral("Нет параметра №%1 в запросе: %2").arg(index + 1).arg(sql_));
    return d_->inInfo[static_cast<size_t>(index)];
}

std::vector<int> Query::positions(const QString& name)
{
    ensurePrepared();
    std::vector<int> r;
    const QString key = name.toUpper();
    for (int i = 0; i < d_->names.size(); ++i)
        if (d_->names[i] == key)
            r.push_back(i);
    if (r.empty())
        throw DbError(QStringLiteral("Нет параметра %1 в запросе: %2").arg(name, sql_));
    return r;
}

bool Query::hasParam(const QString& name)
{
    ensurePrepared();
    return d_->names.contains(name.toUpper());
}

void Query::setParamNull(const QString& name)
{
    for (int i : positions(name))
        bindNull(i);
}

void Query::setParamBytes(const QString& name, const QByteArray& v)
{
    for (int i : positions(name))
        bindBytes(i, v);
}

void Query::bindNull(int index)
{
    paramInfo(index);
    XSQLVAR& v = d_->in->sqlvar[index];
    const FieldInfo& f = d_->inInfo[static_cast<size_t>(index)];
    // an untyped parameter (for example "? IS NULL") still needs a type the server accepts
    if (f.type == SQL_NULL)
        v.sqltype = SQL_VARYING | 1, v.sqllen = 0, v.sqlsubtype = kUtf8, d_->inBuf[index].assign(2, '\0'),
        v.sqldata = d_->inBuf[index].data();
    d_->inInd[index] = -1;
    d_->inShown[index] = QVariant();
}

namespace {
void setVarying(XSQLVAR& v, std::string& buf, const QByteArray& bytes, int charset)
{
    buf.resize(static_cast<size_t>(bytes.size()) + 2);
    const auto len = static_cast<unsigned short>(bytes.size());
    std::memcpy(buf.data(), &len, 2);
    std::memcpy(buf.data() + 2, bytes.constData(), static_cast<size_t>(bytes.size()));
    v.sqltype = SQL_VARYING | 1;
    v.sqlsubtype = static_cast<ISC_SHORT>(charset);
    v.sqlscale = 0;
    v.sqllen = static_cast<ISC_SHORT>(bytes.size());
    v.sqldata = buf.data();
}
} // namespace

void Query::bind(int index, const QString& value)
{
    paramInfo(index);
    const FieldInfo& f = d_->inInfo[static_cast<size_t>(index)];
    XSQLVAR& v = d_->in->sqlvar[index];
    // An empty field is no value for a number or a date.
    if ((f.isNumeric() || f.isDate() || f.type == SQL_TYPE_TIME) && value.trimmed().isEmpty()) {
        bindNull(index);
        return;
    }
    // Numbers typed with the process decimal separator "," reach a numeric parameter as "12.34".
    const QByteArray bytes = (f.isNumeric() ? numconv(value.trimmed()) : value).toUtf8();
    if (f.isBlob() && bytes.size() > kMaxVarying) {
        bindBytes(index, bytes);
    } else {
        if (bytes.size() > kMaxVarying)
            throw DbError(QStringLiteral("Слишком длинное значение параметра №%1").arg(index + 1));
        setVarying(v, d_->inBuf[index], bytes, f.isBlob() && f.subtype != 1 ? 1 : kUtf8);
    }
    d_->inInd[index] = 0;
    d_->inShown[index] = value;
}

// Fixed-size values: the parameter takes the given type and scale, whatever the server described.
void Query::bindFixed(int index, int type, int scale, const void* data, int size, const QVariant& shown)
{
    paramInfo(index);
    XSQLVAR& v = d_->in->sqlvar[index];
    std::string& buf = d_->inBuf[index];
    buf.resize(static_cast<size_t>(size));
    std::memcpy(buf.data(), data, static_cast<size_t>(size));
    v.sqltype = static_cast<ISC_SHORT>(type | 1);
    v.sqlscale = static_cast<ISC_SHORT>(scale);
    v.sqlsubtype = 0;
    v.sqllen = static_cast<ISC_SHORT>(size);
    v.sqldata = buf.data();
    d_->inInd[index] = 0;
    d_->inShown[index] = shown;
}

void Query::bind(int index, qint64 value) { bindFixed(index, SQL_INT64, 0, &value, 8, value); }

void Query::bind(int index, double value) { bindFixed(index, SQL_DOUBLE, 0, &value, 8, value); }

void Query::bind(int index, Money value)
{
    const qint64 k = value.kopecks();
    bindFixed(index, SQL_INT64, -2, &k, 8, value.text(QLatin1Char(',')));
}

void Query::bind(int index, const QDate& value)
{
    if (!value.isValid()) {
        bindNull(index);
        return;
    }
    const ISC_DATE dt = toIscDate(value);
    bindFixed(index, SQL_TYPE_DATE, 0, &dt, sizeof dt, value);
}

void Query::bind(int index, const QDateTime& value)
{
    if (!value.isValid()) {
        bindNull(index);
        return;
    }
    ISC_TIMESTAMP ts;
    ts.timestamp_date = toIscDate(value.date());
    ts.timestamp_time = toIscTime(value.time());
    bindFixed(index, SQL_TIMESTAMP, 0, &ts, sizeof ts, value);
}

void Query::bindBytes(int index, const QByteArray& value)
{
    paramInfo(index);
    const FieldInfo& f = d_->inInfo[static_cast<size_t>(index)];
    XSQLVAR& v = d_->in->sqlvar[index];
    std::string& buf = d_->inBuf[index];
    if (!f.isBlob()) {
        if (value.size() > kMaxVarying)
            throw DbError(QStringLiteral("Слишком длинное значение параметра №%1").arg(index + 1));
        setVarying(v, buf, value, 1);
    } else {
        // A text blob is written as UTF8 text and converted by the server to the column's character set.
        std::string bpb;
        if (f.subtype == 1) {
            bpb = {static_cast<char>(isc_bpb_version1), static_cast<char>(isc_bpb_source_type), 1, 1,
                   static_cast<char>(isc_bpb_source_interp), 1, static_cast<char>(kUtf8),
                   static_cast<char>(isc_bpb_target_type), 1, 1};
        }
        ISC_STATUS_ARRAY status;
        isc_blob_handle blob = 0;
        ISC_QUAD id;
        isc_create_blob2(status, tr_.database().handle(), tr_.handle(), &blob, &id, static_cast<short>(bpb.size()),
                         bpb.empty() ? nullptr : bpb.data());
        fb_check(status);
        qsizetype pos = 0;
        while (pos < value.size()) {
            const auto chunk = static_cast<unsigned short>(qMin<qsizetype>(32000, value.size() - pos));
            isc_put_segment(status, &blob, chunk, value.constData() + pos);
            if (status[0] == 1 && status[1]) {
                ISC_STATUS_ARRAY s2;
                isc_cancel_blob(s2, &blob);
                fb_check(status);
            }
            pos += chunk;
        }
        isc_close_blob(status, &blob);
        fb_check(status);
        buf.resize(sizeof id);
        std::memcpy(buf.data(), &id, sizeof id);
        v.sqltype = SQL_BLOB | 1;
        v.sqlsubtype = static_cast<ISC_SHORT>(f.subtype);
        v.sqlscale = static_cast<ISC_SHORT>(f.scale);
        v.sqllen = sizeof id;
        v.sqldata = buf.data();
    }
    d_->inInd[index] = 0;
    d_->inShown[index] = value;
}

void Query::bind(int index, const QVariant& value)
{
    if (value.isNull() || !value.isValid()) {
        bindNull(index);
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::Short:
        bind(index, value.toLongLong());
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        bind(index, value.toDouble());
        break;
    case QMetaType::QDate:
        bind(index, value.toDate());
        break;
    case QMetaType::QDateTime:
        bind(index, value.toDateTime());
        break;
    case QMetaType::QByteArray:
        bindBytes(index, value.toByteArray());
        break;
    default:
        bind(index, value.toString());
    }
}

QString Query::paramText(int index) const
{
    if (index < 0 || index >= static_cast<int>(d_->inShown.size()))
        return QString();
    const QVariant& v = d_->inShown[static_cast<size_t>(index)];
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    if (v.typeId() == QMetaType::QByteArray)
        return QString();
    return v.toString();
}

void Query::open()
{
    ensurePrepared();
    close();
    ISC_STATUS_ARRAY status;
    if (d_->cursor) {
        isc_dsql_execute(status, tr_.handle(), &d_->stmt, 1, d_->in);
        fb_check(status);
        open_ = true;
        eof_ = false;
        fetch();
    } else {
        execute();
    }
}

void Query::fetch()
{
    ISC_STATUS_ARRAY status;
    const ISC_STATUS rc = isc_dsql_fetch(status, &d_->stmt, 1, d_->out);
    if (rc == 100) {
        eof_ = true;
        return;
    }
    if (status[0] == 1 && status[1]) {
        eof_ = true;
        fb_check(status);
    }
}

void Query::next()
{
    if (!open_ || eof_) {
        eof_ = true;
        return;
    }
    fetch();
}

void Query::close() noexcept
{
    if (open_ && d_->stmt) {
        ISC_STATUS_ARRAY status;
        isc_dsql_free_statement(status, &d_->stmt, DSQL_close);
    }
    open_ = false;
    eof_ = true;
}

void Query::execute()
{
    ensurePrepared();
    if (d_->cursor) {
        // a select run for its effect: open and leave the first row readable
        open();
        return;
    }
    close();
    ISC_STATUS_ARRAY status;
    if (d_->out->sqld > 0) {
        isc_dsql_execute2(status, tr_.handle(), &d_->stmt, 1, d_->in, d_->out);
        fb_check(status);
        eof_ = false; // the single returned row is readable
    } else {
        isc_dsql_execute(status, tr_.handle(), &d_->stmt, 1, d_->in);
        fb_check(status);
        eof_ = true;
    }
}

int Query::rowsAffected()
{
    if (!d_->stmt)
        return 0;
    char item = isc_info_sql_records;
    char info[64];
    ISC_STATUS_ARRAY status;
    isc_dsql_sql_info(status, &d_->stmt, 1, &item, sizeof info, info);
    fb_check(status);
    int total = 0;
    if (info[0] != isc_info_sql_records)
        return 0;
    const char* p = info + 3;
    while (*p != isc_info_end) {
        const char code = *p++;
        const int len = isc_vax_integer(p, 2);
        p += 2;
        const int count = isc_vax_integer(p, static_cast<short>(len));
        p += len;
        if (code == isc_info_req_update_count || code == isc_info_req_delete_count ||
            code == isc_info_req_insert_count)
            total += count;
    }
    return total;
}

int Query::fieldCount()
{
    ensurePrepared();
    return static_cast<int>(d_->outInfo.size());
}

const FieldInfo& Query::fieldInfo(int index)
{
    ensurePrepared();
    if (index < 0 || index >= static_cast<int>(d_->outInfo.size()))
        throw DbError(QStringLiteral("Нет поля №%1 в запросе: %2").arg(index + 1).arg(sql_));
    return d_->outInfo[static_cast<size_t>(index)];
}

int Query::fieldIndex(const QString& name)
{
    ensurePrepared();
    return d_->fieldByName.value(name.toUpper(), -1);
}

int Query::requireField(const QString& name)
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw DbError(QStringLiteral("Поле %1 не найдено в запросе: %2").arg(name, sql_));
    return i;
}

bool Query::isNull(int index) const
{
    if (index < 0 || index >= static_cast<int>(d_->outInd.size()))
        return true;
    return d_->outInd[static_cast<size_t>(index)] < 0;
}

QByteArray Query::bytes(int index)
{
    fieldInfo(index);
    if (isNull(index))
        return QByteArray();
    const XSQLVAR& v = d_->out->sqlvar[index];
    switch (baseType(v)) {
    case SQL_TEXT:
        return QByteArray(v.sqldata, v.sqllen);
    case SQL_VARYING: {
        unsigned short len;
        std::memcpy(&len, v.sqldata, 2);
        return QByteArray(v.sqldata + 2, len);
    }
    case SQL_BLOB: {
        ISC_QUAD id;
        std::memcpy(&id, v.sqldata, sizeof id);
        ISC_STATUS_ARRAY status;
        isc_blob_handle blob = 0;
        isc_open_blob2(status, tr_.database().handle(), tr_.handle(), &blob, &id, 0, nullptr);
        fb_check(status);
        QByteArray out;
        char seg[32768];
        for (;;) {
            unsigned short got = 0;
            const ISC_STATUS rc = isc_get_segment(status, &blob, &got, sizeof seg, seg);
            if (rc == isc_segstr_eof)
                break;
            if (rc != 0 && rc != isc_segment) {
                ISC_STATUS_ARRAY s2;
                isc_close_blob(s2, &blob);
                fb_check(status);
                break;
            }
            out.append(seg, got);
        }
        isc_close_blob(status, &blob);
        return out;
    }
    default:
        return text(index).toUtf8();
    }
}

QString Query::text(int index)
{
    const FieldInfo& f = fieldInfo(index);
    if (isNull(index))
        return QString();
    const XSQLVAR& v = d_->out->sqlvar[index];
    auto cached = [&](const char* data, size_t len, auto make) -> QString {
        Impl::LastText& last = d_->lastText[static_cast<size_t>(index)];
        if (last.valid && last.raw.size() == len && std::memcmp(last.raw.data(), data, len) == 0)
            return last.text;
        last.raw.assign(data, len);
        last.text = make();
        last.valid = true;
        return last.text;
    };
    switch (f.type) {
    case SQL_TEXT:
        return cached(v.sqldata, static_cast<size_t>(v.sqllen), [&] {
            QString s = QString::fromUtf8(v.sqldata, v.sqllen);
            qsizetype n = s.size();
            while (n > 0 && s[n - 1] == QLatin1Char(' '))
                --n;
            s.truncate(n);
            return s;
        });
    case SQL_VARYING: {
        unsigned short len;
        std::memcpy(&len, v.sqldata, 2);
        return cached(v.sqldata + 2, len, [&] { return QString::fromUtf8(v.sqldata + 2, len); });
    }
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
        return scaledText(rawInt(v), f.scale);
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
        return QString::number(number(index), 'g', 15).replace(QLatin1Char('.'), QLatin1Char(','));
    case SQL_TYPE_DATE:
        return cached(v.sqldata, sizeof(ISC_DATE), [&] { return dateText(date(index)); });
    case SQL_TYPE_TIME: {
        ISC_TIME t;
        std::memcpy(&t, v.sqldata, sizeof t);
        return iscTime(t).toString(QStringLiteral("hh:mm:ss"));
    }
    case SQL_TIMESTAMP:
        return timestamp(index).toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
    case SQL_BOOLEAN:
        return *v.sqldata ? QStringLiteral("True") : QStringLiteral("False");
    case SQL_BLOB:
        return f.subtype == 1 ? QString::fromUtf8(bytes(index)) : QString::fromLatin1(bytes(index));
    default:
        return QString();
    }
}

qint64 Query::integer(int index)
{
    const FieldInfo& f = fieldInfo(index);
    if (isNull(index))
        return 0;
    const XSQLVAR& v = d_->out->sqlvar[index];
    qint64 raw = 0;
    switch (f.type) {
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64: raw = rawInt(v); break;
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_D_FLOAT: return static_cast<qint64>(std::llround(number(index)));
    default: return strtointx(text(index));
    }
    return rescale(raw, f.scale, 0);
}

double Query::number(int index)
{
    const FieldInfo& f = fieldInfo(index);
    if (isNull(index))
        return 0.0;
    const XSQLVAR& v = d_->out->sqlvar[index];
    switch (f.type) {
    case SQL_FLOAT: { float x; std::memcpy(&x, v.sqldata, 4); return x; }
    case SQL_DOUBLE:
    case SQL_D_FLOAT: { double x; std::memcpy(&x, v.sqldata, 8); return x; }
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64: {
        const qint64 raw = rawInt(v);
        return static_cast<double>(raw) / static_cast<double>(power_of_ten(-f.scale > 0 ? -f.scale : 0)) *
               static_cast<double>(power_of_ten(f.scale > 0 ? f.scale : 0));
    }
    default: {
        const QString t = text(index);
        try {
            return strtofloatx(t);
        } catch (...) {
            return 0.0;
        }
    }
    }
}

Money Query::amount(int index)
{
    const FieldInfo& f = fieldInfo(index);
    if (isNull(index))
        return Money();
    const XSQLVAR& v = d_->out->sqlvar[index];
    switch (f.type) {
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64: {
        const qint64 raw = rawInt(v);
        return Money::fromKopecks(rescale(raw, f.scale, -2));
    }
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
        return Money::fromDouble(number(index));
    default:
        return Money::parseOr0(text(index));
    }
}

QDate Query::date(int index)
{
    const FieldInfo& f = fieldInfo(index);
    if (isNull(index))
        return QDate();
    const XSQLVAR& v = d_->out->sqlvar[index];
    if (f.type == SQL_TYPE_DATE) {
        ISC_DATE dt;
        std::memcpy(&dt, v.sqldata, sizeof dt);
        return iscDate(dt);
    }
    if (f.type == SQL_TIMESTAMP)
        return timestamp(index).date();
    return QDate::fromString(text(index).left(10), QStringLiteral("dd.MM.yyyy"));
}

QDateTime Query::timestamp(int index)
{
    const FieldInfo& f = fieldInfo(index);
    if (isNull(index))
        return QDateTime();
    const XSQLVAR& v = d_->out->sqlvar[index];
    if (f.type == SQL_TIMESTAMP) {
        ISC_TIMESTAMP ts;
        std::memcpy(&ts, v.sqldata, sizeof ts);
        return QDateTime(iscDate(ts.timestamp_date), iscTime(ts.timestamp_time));
    }
    if (f.type == SQL_TYPE_DATE)
        return QDateTime(date(index), QTime(0, 0));
    return QDateTime::fromString(text(index), QStringLiteral("dd.MM.yyyy hh:mm:ss"));
}

QVariant Query::value(int index)
{
    const FieldInfo& f = fieldInfo(index);
    if (isNull(index))
        return QVariant();
    switch (f.type) {
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
        return f.scale == 0 ? QVariant(integer(index)) : QVariant(number(index));
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
        return number(index);
    case SQL_TYPE_DATE:
        return date(index);
    case SQL_TIMESTAMP:
        return timestamp(index);
    case SQL_BLOB:
        return f.subtype == 1 ? QVariant(text(index)) : QVariant(bytes(index));
    default:
        return text(index);
    }
}
