#include "fiscal/correction_window.h"
#include "fiscal/shift_operations.h"
#include "util/user_dialogs.h"
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

CorrChequeForm::CorrChequeForm(ShiftOperationsService& shifts, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), shifts_(shifts), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("CorrChequeForm"));
    setWindowTitle(QStringLiteral("Сформировать чек коррекции."));
    auto* form = new QFormLayout(this);
    type_ = new QComboBox(this);
    type_->setObjectName(QStringLiteral("ChequeType"));
    type_->addItems({QStringLiteral("Продажа"), QStringLiteral("Покупка"), QStringLiteral("Возврат продажи"),
                     QStringLiteral("Возврат покупки")});
    type_->setCurrentIndex(0);
    form->addRow(QStringLiteral("Тип чека :"), type_);
    summ_ = new QLineEdit(QStringLiteral("0.00"), this);
    summ_->setObjectName(QStringLiteral("Summ"));
    form->addRow(QStringLiteral("Сумма : "), summ_);
    auto* buttons = new QHBoxLayout;
    auto* make = new QPushButton(QStringLiteral("Сформировать чек"), this);
    make->setObjectName(QStringLiteral("btnMake"));
    auto* cancel = new QPushButton(QStringLiteral("Отмена"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    buttons->addWidget(make);
    buttons->addWidget(cancel);
    form->addRow(buttons);
    connect(make, &QPushButton::clicked, this, &CorrChequeForm::makeReceipt);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CorrChequeForm::makeReceipt()
{
    const std::optional<Money> amount = ShiftOperationsService::correction_amount(summ_->text());
    if (!amount) {
        dialogs_.message(QStringLiteral("Сумма введена неверно."), QString(), UserDialogs::Icon::Warning);
        return;
    }
    const int code = shifts_.print_correction_receipt(type_->currentIndex(), *amount);
    if (code != 0)
        dialogs_.message(QStringLiteral("Ошибка формирования чека коррекции. Код: ") + QString::number(code), QString(),
                         UserDialogs::Icon::Error);
}
