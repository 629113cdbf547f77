#include "payment/form33.h"
#include "payment/amount_document.h"
#include "payment/amount_key_filter.h"
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

QString Form33::change(const QString& total, const QString& handed)
{
    const Money t = AmountDocument::parse(total).value_or(Money());
    const Money h = AmountDocument::parse(handed).value_or(Money());
    return (h - t).toString();
}

Form33::Form33(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form33"));
    setWindowTitle(QStringLiteral("Расчет сдачи"));
    auto* form = new QFormLayout(this);
    total_ = new QLineEdit(QStringLiteral("0,00"), this);
    total_->setObjectName(QStringLiteral("edtTotal"));
    total_->setReadOnly(true);
    total_->setFocusPolicy(Qt::NoFocus);
    form->addRow(QStringLiteral("Сумма платежа:"), total_);
    handed_ = new QLineEdit(QStringLiteral("0,00"), this);
    handed_->setObjectName(QStringLiteral("edtHanded"));
    form->addRow(QStringLiteral("Передано клиентом:"), handed_);
    change_ = new QLineEdit(QStringLiteral("0,00"), this);
    change_->setObjectName(QStringLiteral("edtChange"));
    change_->setReadOnly(true);
    change_->setFocusPolicy(Qt::NoFocus);
    form->addRow(QStringLiteral("Сдача:"), change_);
    auto* buttons = new QHBoxLayout;
    continue_ = new QPushButton(QStringLiteral("Продолжить"), this);
    continue_->setObjectName(QStringLiteral("btnContinue"));
    cancel_ = new QPushButton(QStringLiteral("Отмена платежа"), this);
    cancel_->setObjectName(QStringLiteral("btnCancelPayment"));
    buttons->addWidget(continue_);
    buttons->addWidget(cancel_);
    form->addRow(buttons);
    new AmountKeyFilter(handed_, continue_, this);
    connect(handed_, &QLineEdit::textChanged, this,
            [this](const QString& t) { change_->setText(change(total_->text(), t)); });
    connect(continue_, &QPushButton::clicked, this, [this] {
        change_cancelled = false;
        accept();
    });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        change_cancelled = true;
        reject();
    });
}

void Form33::prepare(const QString& total, const QString& change_setting)
{
    setting_ = change_setting;
    total_->setText(total);
    handed_->setText(QStringLiteral("0,00"));
    change_->setText(QStringLiteral("0,00"));
}

void Form33::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    change_cancelled = false;
    cancel_->setVisible(setting_ != QStringLiteral("2"));
    handed_->setFocus(Qt::OtherFocusReason);
    handed_->selectAll();
}
