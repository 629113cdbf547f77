#include "core/department_window.h"
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

DepartmentWindow::DepartmentWindow(const QStringList& departments, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form21"));
    setWindowTitle(QStringLiteral("Выберите подразделение"));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("lbPodr"));
    list_->addItems(departments);
    if (!departments.isEmpty())
        list_->setCurrentRow(0);
    auto* ok = new QPushButton(QStringLiteral("ОК"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Отмена"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* v = new QVBoxLayout(this);
    v->addWidget(list_);
    v->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (!chosen().isEmpty())
            accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
}

QString DepartmentWindow::chosen() const
{
    const QListWidgetItem* it = list_->currentItem();
    return it ? it->text() : QString();
}

std::optional<QString> DepartmentWindow::choose(const QStringList& departments, QWidget* parent)
{
    DepartmentWindow w(departments, parent);
    if (w.exec() != QDialog::Accepted || w.chosen().isEmpty())
        return std::nullopt;
    return w.chosen();
}
