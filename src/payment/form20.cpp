#include "payment/form20.h"
#include "payment/amount_key_filter.h"
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

Form20::Form20(AmountDocument& document, QWidget* parent) : QDialog(parent), document_(document)
{
    setObjectName(QStringLiteral("Form20"));
    auto* form = new QFormLayout(this);
    amount_ = new QLineEdit(QStringLiteral("0,00"), this);
    amount_->setObjectName(QStringLiteral("edtAmount"));
    form->addRow(QStringLiteral("Сумма:"), amount_);
    auto* buttons = new QHBoxLayout;
    ok_ = new QPushButton(QStringLiteral("ОК"), this);
    ok_->setObjectName(QStringLiteral("btnOk"));
    auto* cancel = new QPushButton(QStringLiteral("Отмена"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    form->addRow(buttons);
    new AmountKeyFilter(amount_, ok_, this);
    connect(ok_, &QPushButton::clicked, this, &Form20::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    prepare(AmountDocument::Kind::Refund);
}

void Form20::prepare(AmountDocument::Kind kind)
{
    setWindowTitle(AmountDocument::caption(kind));
    amount_->setText(QStringLiteral("0,00"));
}

void Form20::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    amount_->setFocus(Qt::OtherFocusReason);
    amount_->selectAll();
}

void Form20::confirm()
{
    const std::optional<AmountDocument::Kind> kind = AmountDocument::kindOf(windowTitle());
    if (!kind)
        return;
    if (document_.confirm(*kind, amount_->text()) == AmountDocument::Result::NeedAmount)
        return;
    accept();
}
