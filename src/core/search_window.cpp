#include "core/search_window.h"
#include "util/user_dialogs.h"
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

SearchWindow::SearchWindow(QTableView& grid, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), grid_(grid), dialogs_(dialogs), search_(*grid.model(), qMax(0, grid.currentIndex().column())),
      startRow_(grid.currentIndex().row())
{
    setObjectName(QStringLiteral("SearchWindow"));
    const QString title = grid.model()->headerData(search_.column(), Qt::Horizontal).toString();
    setWindowTitle(QStringLiteral("Поиск по полю \"") + title + QStringLiteral("\""));
    auto* l = new QHBoxLayout(this);
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("edSearch"));
    l->addWidget(edit_, 1);
    auto* b = new QPushButton(QStringLiteral("Найти"), this);
    b->setObjectName(QStringLiteral("btnFind"));
    b->setDefault(true);
    l->addWidget(b);
    connect(b, &QPushButton::clicked, this, &SearchWindow::find);
    resize(380, 60);
}

void SearchWindow::find()
{
    const int row = search_.find(edit_->text());
    auto* m = grid_.model();
    if (row < 0) {
        dialogs_.message(QStringLiteral("Ничего не найдено."));
        if (startRow_ >= 0 && startRow_ < m->rowCount())
            grid_.selectionModel()->setCurrentIndex(m->index(startRow_, search_.column()), QItemSelectionModel::NoUpdate);
        return;
    }
    grid_.selectionModel()->setCurrentIndex(m->index(row, search_.column()), QItemSelectionModel::NoUpdate);
    grid_.scrollTo(m->index(row, search_.column()));
}

void SearchWindow::run(QTableView& grid, UserDialogs& dialogs, QWidget* parent)
{
    if (!grid.model())
        return;
    SearchWindow w(grid, dialogs, parent);
    w.exec();
}
