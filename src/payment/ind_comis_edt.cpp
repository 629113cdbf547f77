#include "payment/ind_comis_edt.h"
#include "payment/department_commissions.h"
#include "util/user_dialogs.h"
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

IndComisEdt::IndComisEdt(DepartmentCommissions& logic, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), logic_(logic), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("ind_comis_edt"));
    setWindowTitle(QStringLiteral("Введите значения"));

    podr_ = new QComboBox(this);
    podr_->setObjectName(QStringLiteral("podr"));
    komis_ = new QLineEdit(this);
    komis_->setObjectName(QStringLiteral("komis"));
    min_ = new QLineEdit(this);
    min_->setObjectName(QStringLiteral("min_sum"));
    max_ = new QLineEdit(this);
    max_->setObjectName(QStringLiteral("max_sum"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Подразделение :"), podr_);
    form->addRow(QStringLiteral("Комиссия, % :"), komis_);
    form->addRow(QStringLiteral("Мин. комиссия : "), min_);
    form->addRow(QStringLiteral("Макс. комиссия : "), max_);

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("ok"));
    ok_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("Отмена"), this);
    cancel_->setObjectName(QStringLiteral("cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(ok_, &QPushButton::clicked, this, &IndComisEdt::onOk);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void IndComisEdt::prepare(const QString& kodSrv, const QStringList& departments, const QString& podr,
                          const QString& komis, const QString& minSum, const QString& maxSum)
{
    kodSrv_ = kodSrv;
    podr_->clear();
    podr_->addItems(departments);
    // A row of a department no longer listed keeps its department.
    if (!podr.isEmpty() && !departments.contains(podr))
        podr_->addItem(podr);
    podr_->setCurrentIndex(podr.isEmpty() ? 0 : podr_->findText(podr));
    komis_->setText(komis);
    min_->setText(minSum);
    max_->setText(maxSum);
}

void IndComisEdt::onOk()
{
    const QString error = logic_.save(podr_->currentText(), kodSrv_, komis_->text(), min_->text(), max_->text());
    if (!error.isEmpty()) {
        dialogs_.message(error, QStringLiteral("Прием платежей"), UserDialogs::Icon::Warning);
        return;
    }
    accept();
}
