#include "core/filter_window.h"
#include "core/value_picker.h"
#include "db/database.h"
#include "db/query.h"
#include "util/user_dialogs.h"
#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
QDateEdit* dateEdit(QWidget* parent, const char* name)
{
    auto* d = new QDateEdit(parent);
    d->setObjectName(QString::fromLatin1(name));
    d->setCalendarPopup(true);
    d->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    d->setDate(QDate::currentDate());
    return d;
}
QLineEdit* lineEdit(QWidget* parent, const char* name)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    return e;
}
QPushButton* dots(QWidget* parent, const char* name)
{
    auto* b = new QPushButton(QStringLiteral("..."), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setMaximumWidth(30);
    b->setAutoDefault(false);
    return b;
}
} // namespace

FilterWindow::FilterWindow(Database& db, UserDialogs& dialogs, QWidget* parent) : QDialog(parent), db_(db), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("FilterWindow"));
    setWindowTitle(QStringLiteral("Фильтр"));
    auto* g = new QGridLayout(this);
    int r = 0;
    g->addWidget(new QLabel(QStringLiteral("ФИО плательщика"), this), r, 0);
    fio_ = lineEdit(this, "edFio");
    g->addWidget(fio_, r, 1, 1, 3);
    auto* bFio = dots(this, "btnClient");
    g->addWidget(bFio, r++, 4);
    g->addWidget(new QLabel(QStringLiteral("Поставщик"), this), r, 0);
    srv_ = lineEdit(this, "edService");
    g->addWidget(srv_, r, 1);
    srvName_ = new QLabel(this);
    srvName_->setObjectName(QStringLiteral("lblService"));
    g->addWidget(srvName_, r, 2, 1, 2);
    auto* bSrv = dots(this, "btnService");
    g->addWidget(bSrv, r++, 4);
    g->addWidget(new QLabel(QStringLiteral("Получатель"), this), r, 0);
    org_ = lineEdit(this, "edPayee");
    g->addWidget(org_, r, 1);
    orgName_ = new QLabel(this);
    orgName_->setObjectName(QStringLiteral("lblPayee"));
    g->addWidget(orgName_, r, 2, 1, 2);
    auto* bOrg = dots(this, "btnPayee");
    g->addWidget(bOrg, r++, 4);
    g->addWidget(new QLabel(QStringLiteral("№ квитанции"), this), r, 0);
    ndoc_ = lineEdit(this, "edNdoc");
    g->addWidget(ndoc_, r++, 1);

    bySum_ = new QCheckBox(this);
    bySum_->setObjectName(QStringLiteral("chkSum"));
    g->addWidget(bySum_, r, 5);
    g->addWidget(new QLabel(QStringLiteral("Сумма от"), this), r, 0);
    sumFrom_ = lineEdit(this, "edSumFrom");
    g->addWidget(sumFrom_, r, 1);
    g->addWidget(new QLabel(QStringLiteral("до"), this), r, 2);
    sumTo_ = lineEdit(this, "edSumTo");
    g->addWidget(sumTo_, r++, 3);

    byDate_ = new QCheckBox(this);
    byDate_->setObjectName(QStringLiteral("chkDate"));
    g->addWidget(byDate_, r, 5);
    g->addWidget(new QLabel(QStringLiteral("Дата платежа от"), this), r, 0);
    dateFrom_ = dateEdit(this, "dtDateFrom");
    g->addWidget(dateFrom_, r, 1);
    g->addWidget(new QLabel(QStringLiteral("до"), this), r, 2);
    dateTo_ = dateEdit(this, "dtDateTo");
    g->addWidget(dateTo_, r++, 3);

    byPp_ = new QCheckBox(this);
    byPp_->setObjectName(QStringLiteral("chkPpDate"));
    g->addWidget(byPp_, r, 5);
    g->addWidget(new QLabel(QStringLiteral("Дата п/п от"), this), r, 0);
    ppFrom_ = dateEdit(this, "dtPpFrom");
    g->addWidget(ppFrom_, r, 1);
    g->addWidget(new QLabel(QStringLiteral("до"), this), r, 2);
    ppTo_ = dateEdit(this, "dtPpTo");
    g->addWidget(ppTo_, r++, 3);

    auto* buttons = new QHBoxLayout;
    auto* bApply = new QPushButton(QStringLiteral("Применить"), this);
    bApply->setObjectName(QStringLiteral("btnApply"));
    bApply->setDefault(true);
    auto* bClear = new QPushButton(QStringLiteral("Очистить"), this);
    bClear->setObjectName(QStringLiteral("btnClear"));
    bClear->setAutoDefault(false);
    auto* bCancel = new QPushButton(QStringLiteral("Отменить"), this);
    bCancel->setObjectName(QStringLiteral("btnCancel"));
    bCancel->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(bApply);
    buttons->addWidget(bClear);
    buttons->addWidget(bCancel);
    g->addLayout(buttons, r, 0, 1, 6);

    connect(bApply, &QPushButton::clicked, this, &FilterWindow::apply);
    connect(bClear, &QPushButton::clicked, this, &FilterWindow::clearFields);
    connect(bCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(bSrv, &QPushButton::clicked, this, &FilterWindow::pickService);
    connect(bOrg, &QPushButton::clicked, this, &FilterWindow::pickPayee);
    connect(bFio, &QPushButton::clicked, this, &FilterWindow::pickClient);
    for (QCheckBox* c : {bySum_, byDate_, byPp_})
        connect(c, &QCheckBox::toggled, this, &FilterWindow::updateEnabled);
    connect(srv_, &QLineEdit::editingFinished, this, [this] {
        srvName_->setText(lookup(QStringLiteral("SELECT PRIM FROM SERVICE WHERE KOD_SRV=:K"), srv_->text()));
    });
    connect(org_, &QLineEdit::editingFinished, this, [this] {
        orgName_->setText(lookup(QStringLiteral("SELECT SPAYEE FROM ORGN WHERE KOD_ORG=:K"), org_->text()));
    });
    updateEnabled();
}

void FilterWindow::updateEnabled()
{
    sumFrom_->setEnabled(bySum_->isChecked());
    sumTo_->setEnabled(bySum_->isChecked());
    dateFrom_->setEnabled(byDate_->isChecked());
    dateTo_->setEnabled(byDate_->isChecked());
    ppFrom_->setEnabled(byPp_->isChecked());
    ppTo_->setEnabled(byPp_->isChecked());
}

QString FilterWindow::lookup(const QString& sql, const QString& code)
{
    if (code.trimmed().isEmpty())
        return QString();
    try {
        Query q(db_.main(), sql);
        q.setParam(QStringLiteral("K"), code.trimmed());
        q.open();
        const QString v = q.eof() ? QString() : q.text(0);
        q.close();
        return v;
    } catch (const DbError&) {
        return QString();
    }
}

void FilterWindow::setDay(const QDate& d)
{
    today_ = d;
    for (QDateEdit* e : {dateFrom_, dateTo_, ppFrom_, ppTo_})
        e->setDate(d);
}

PaymentFilter FilterWindow::fields() const
{
    PaymentFilter f;
    f.fio = fio_->text();
    f.kod_srv = srv_->text();
    f.kod_org = org_->text();
    f.ndoc = ndoc_->text();
    f.by_sum = bySum_->isChecked();
    f.sum_from = sumFrom_->text();
    f.sum_to = sumTo_->text();
    f.by_date = byDate_->isChecked();
    f.date_from = dateFrom_->date();
    f.date_to = dateTo_->date();
    f.by_pp_date = byPp_->isChecked();
    f.pp_from = ppFrom_->date();
    f.pp_to = ppTo_->date();
    return f;
}

void FilterWindow::setFields(const PaymentFilter& f)
{
    fio_->setText(f.fio);
    srv_->setText(f.kod_srv);
    org_->setText(f.kod_org);
    ndoc_->setText(f.ndoc);
    bySum_->setChecked(f.by_sum);
    sumFrom_->setText(f.sum_from);
    sumTo_->setText(f.sum_to);
    byDate_->setChecked(f.by_date);
    dateFrom_->setDate(f.date_from);
    dateTo_->setDate(f.date_to);
    byPp_->setChecked(f.by_pp_date);
    ppFrom_->setDate(f.pp_from);
    ppTo_->setDate(f.pp_to);
    srvName_->setText(lookup(QStringLiteral("SELECT PRIM FROM SERVICE WHERE KOD_SRV=:K"), f.kod_srv));
    orgName_->setText(lookup(QStringLiteral("SELECT SPAYEE FROM ORGN WHERE KOD_ORG=:K"), f.kod_org));
    updateEnabled();
}

void FilterWindow::apply()
{
    ListFilter f;
    QString error;
    if (!fields().build(&f, &error)) {
        dialogs_.message(error, windowTitle(), UserDialogs::Icon::Warning);
        return;
    }
    filter_ = f;
    accept();
}

void FilterWindow::clearFields()
{
    PaymentFilter f;
    f.clear(today_);
    setFields(f);
}

void FilterWindow::pickService()
{
    if (auto row = Form37::pick(db_.main(), dialogs_, QString::fromUtf8(PaymentFilter::kServicePickerSql), this)) {
        srv_->setText(row->value(0));
        srvName_->setText(row->value(1));
    }
}

void FilterWindow::pickPayee()
{
    if (auto row = Form37::pick(db_.main(), dialogs_, QString::fromUtf8(PaymentFilter::kPayeePickerSql), this)) {
        org_->setText(row->value(0));
        orgName_->setText(row->value(1));
    }
}

void FilterWindow::pickClient()
{
    if (auto row = Form37::pick(db_.main(), dialogs_, QString::fromUtf8(PaymentFilter::kClientPickerSql), this))
        fio_->setText(row->value(1));
}
