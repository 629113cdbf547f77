#include "payment/ind_comis_frm.h"
#include "payment/ind_comis_edt.h"
#include "util/user_dialogs.h"
#include <QAbstractItemView>
#include <algorithm>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

IndComisFrm::IndComisFrm(Database& db, DbUtils& utils, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), logic_(db, utils), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("ind_comis_frm"));
    setWindowTitle(QStringLiteral("Комиссия по подразделениям"));

    grid_ = new QTableWidget(0, 5, this);
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setHorizontalHeaderLabels({QStringLiteral("Код"), QStringLiteral("Подразделение"), QStringLiteral("Комиссия, %"),
                                      QStringLiteral("Мин. комиссия"), QStringLiteral("Макс. комиссия")});
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();

    add_ = new QPushButton(QStringLiteral("Добавить"), this);
    add_->setObjectName(QStringLiteral("add"));
    edit_btn_ = new QPushButton(QStringLiteral("Изменить"), this);
    edit_btn_->setObjectName(QStringLiteral("edit"));
    del_ = new QPushButton(QStringLiteral("Удалить"), this);
    del_->setObjectName(QStringLiteral("del"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(edit_btn_);
    buttons->addWidget(del_);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(buttons);
    resize(560, 320);

    edit_ = new IndComisEdt(logic_, dialogs_, this);

    connect(add_, &QPushButton::clicked, this, &IndComisFrm::add);
    connect(edit_btn_, &QPushButton::clicked, this, &IndComisFrm::change);
    connect(del_, &QPushButton::clicked, this, &IndComisFrm::remove);
}

IndComisFrm::~IndComisFrm() = default;

void IndComisFrm::openFor(const QString& kodSrv)
{
    kodSrv_ = kodSrv;
    reload();
}

void IndComisFrm::reload()
{
    const int keep = grid_->currentRow();
    const auto rows = logic_.list(kodSrv_);
    grid_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const DepartmentCommissionRow& row = rows[static_cast<size_t>(r)];
        const QString values[] = {row.id, row.podr, row.komis, row.minSum, row.maxSum};
        for (int c = 0; c < 5; ++c)
            grid_->setItem(r, c, new QTableWidgetItem(values[c]));
    }
    if (!rows.empty())
        grid_->setCurrentCell(std::clamp(keep, 0, static_cast<int>(rows.size()) - 1), 0);
}

void IndComisFrm::changed()
{
    if (onChanged_)
        onChanged_();
    reload();
}

void IndComisFrm::add()
{
    edit_->prepare(kodSrv_, logic_.departments());
    edit_->exec();
    changed();
}

void IndComisFrm::change()
{
    const int r = grid_->currentRow();
    if (r < 0 || !grid_->item(r, 0))
        return;
    edit_->prepare(kodSrv_, logic_.departments(), grid_->item(r, 1)->text(), grid_->item(r, 2)->text(),
                   grid_->item(r, 3)->text(), grid_->item(r, 4)->text());
    edit_->exec();
    changed();
}

void IndComisFrm::remove()
{
    const int r = grid_->currentRow();
    if (r < 0 || !grid_->item(r, 0))
        return;
    if (!dialogs_.askYesNo(QStringLiteral("Удалить запись?"), QStringLiteral("Прием платежей")))
        return;
    const QString error = logic_.remove(grid_->item(r, 0)->text());
    if (!error.isEmpty())
        dialogs_.message(QStringLiteral("Ошибка удаления записи: ") + error, QStringLiteral("Прием платежей"),
                         UserDialogs::Icon::Warning);
    changed();
}
