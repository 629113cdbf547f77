#include "core/payment_record_window.h"
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {
QLineEdit* field(QWidget* parent, const QString& name, const QString& text, int maxLength = 0)
{
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    e->setCursorPosition(0);
    return e;
}
} // namespace

PaymentRecordWindow::PaymentRecordWindow(const PaymentRecord& r, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(r.uid);
    resize(820, 640);
    auto* outer = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    outer->addLayout(columns, 1);

    auto* left = new QFormLayout;
    columns->addLayout(left, 1);
    left->addRow(QStringLiteral("Плательщик"), field(this, QStringLiteral("edFio"), r.fio, 50));
    auto* srv = new QHBoxLayout;
    srv->addWidget(field(this, QStringLiteral("edService"), r.service_name));
    left->addRow(QStringLiteral("Поставщик"), srv);
    left->addRow(QStringLiteral("Сумма"), field(this, QStringLiteral("edSum"), r.sum.toString()));
    auto* com = new QHBoxLayout;
    com->addWidget(field(this, QStringLiteral("edCommission"), r.commission.toString()));
    auto* internal = new QLabel(QStringLiteral("(внутренняя)"), this);
    internal->setObjectName(QStringLiteral("lblInternal"));
    internal->setVisible(r.internal_commission);
    com->addWidget(internal);
    left->addRow(QStringLiteral("Комиссия"), com);
    left->addRow(QStringLiteral("Дата"), field(this, QStringLiteral("edDate"), r.dat));
    left->addRow(QStringLiteral("Время"), field(this, QStringLiteral("edTime"), r.tim));
    left->addRow(QStringLiteral("Кассир"), field(this, QStringLiteral("edOper"), r.oper));
    left->addRow(QStringLiteral("Адрес"), field(this, QStringLiteral("edAdr"), r.adr, 100));
    auto* exp = new QHBoxLayout;
    exp->addWidget(field(this, QStringLiteral("edExpDate"), r.exp_date));
    if (!r.exp_uid.isEmpty())
        exp->addWidget(new QLabel(QStringLiteral(", факт. выгр. ") + r.exported_dat, this));
    left->addRow(QStringLiteral("План выгр."), exp);
    auto* exported = new QCheckBox(QStringLiteral("Платеж выгружен в БИС, п/п №"), this);
    exported->setObjectName(QStringLiteral("chkExported"));
    exported->setChecked(!r.exp_uid.isEmpty());
    exported->setEnabled(false);
    left->addRow(exported);
    left->addRow(QStringLiteral("Комментарий"), field(this, QStringLiteral("edComment"), r.pmnt_cm, 12));
    auto* podr = new QComboBox(this);
    podr->setObjectName(QStringLiteral("cbPodr"));
    podr->addItems(r.departments);
    podr->setCurrentText(r.podr);
    podr->setEnabled(false);
    left->addRow(QStringLiteral("Подразделение"), podr);
    left->addRow(QStringLiteral("Лицевой счет"), field(this, QStringLiteral("edAbNom"), r.ab_nom));
    left->addRow(QStringLiteral("Телефон"), field(this, QStringLiteral("edPhone"), r.phone));
    left->addRow(QStringLiteral("Период"), field(this, QStringLiteral("edMes"), r.mes));
    left->addRow(QStringLiteral("Номер штрихкода"), field(this, QStringLiteral("edBarcdNum"), r.barcd_num));

    auto* right = new QVBoxLayout;
    columns->addLayout(right, 1);
    auto* meters = new QGroupBox(QStringLiteral("Показания счетчиков и доп. поля"), this);
    auto* mf = new QFormLayout(meters);
    for (int i = 0; i < r.counters.size(); ++i)
        if (!r.counters[i].isEmpty())
            mf->addRow(QStringLiteral("Счетчик %1").arg(i + 1), field(meters, QStringLiteral("edCntr%1").arg(i + 1), r.counters[i]));
    for (int i = 0; i < r.extra.size(); ++i)
        if (!r.extra[i].isEmpty())
            mf->addRow(QStringLiteral("Доп. поле %1").arg(i + 1), field(meters, QStringLiteral("edExp%1").arg(i + 1), r.extra[i]));
    right->addWidget(meters);
    auto* pp = new QGroupBox(QStringLiteral("Бюджетные реквизиты"), this);
    auto* pf = new QFormLayout(pp);
    pf->addRow(QStringLiteral("Налоговый период (107)"), field(pp, QStringLiteral("edNalprd"), r.nalprd, 10));
    pf->addRow(QStringLiteral("Статус (101)"), field(pp, QStringLiteral("edStatplat"), r.statplat, 2));
    pf->addRow(QStringLiteral("Основание (106)"), field(pp, QStringLiteral("edOsnplat"), r.osnplat, 2));
    pf->addRow(QStringLiteral("Дата документа (109)"), field(pp, QStringLiteral("edDatand"), r.datand, 10));
    pf->addRow(QStringLiteral("ИНН"), field(pp, QStringLiteral("edInn"), r.inn, 12));
    pf->addRow(QStringLiteral("Тип платежа (110)"), field(pp, QStringLiteral("edTipnp"), r.tipnp, 2));
    pf->addRow(QStringLiteral("КБК (104)"), field(pp, QStringLiteral("edKbk"), r.kbk, 20));
    pf->addRow(QStringLiteral("ОКТМО"), field(pp, QStringLiteral("edOkato"), r.okato, 11));
    pf->addRow(QStringLiteral("Назначение (120)"), field(pp, QStringLiteral("edNplat"), r.n_plat));
    pf->addRow(QStringLiteral("№ п/п"), field(pp, QStringLiteral("edNomPp"), r.nom_pp, 12));
    pf->addRow(QStringLiteral("Лиц. счет"), field(pp, QStringLiteral("edLs"), r.ls));
    pf->addRow(QStringLiteral("УИП"), field(pp, QStringLiteral("edUip"), r.uip));
    auto* payee = new QComboBox(pp);
    payee->setObjectName(QStringLiteral("cbPayee"));
    for (const auto& p : r.payees)
        payee->addItem(p.name, p.kod_org);
    payee->setCurrentIndex(payee->findData(r.kod_org));
    payee->setEnabled(false);
    pf->addRow(QStringLiteral("Получатель платежа"), payee);
    right->addWidget(pp);

    outer->addWidget(new QLabel(QStringLiteral("Чек:"), this));
    auto* receipt = new QPlainTextEdit(r.receipt_text, this);
    receipt->setObjectName(QStringLiteral("memReceipt"));
    receipt->setReadOnly(true);
    receipt->setMaximumHeight(140);
    outer->addWidget(receipt);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    buttons->addWidget(close);
    outer->addLayout(buttons);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    findChild<QLineEdit*>(QStringLiteral("edFio"))->setFocus();
}
