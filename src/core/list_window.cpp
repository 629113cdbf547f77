#include "core/list_window.h"
#include "core/journal_window.h"
#include "core/search_window.h"
#include "db/database.h"
#include "util/user_dialogs.h"
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableView>
#include <QVBoxLayout>

ListWindow::ListWindow(ListWindowLogic& logic, Database& db, DbUtils& utils, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), logic_(logic), db_(db), utils_(utils), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("ListWindow"));
    setWindowTitle(logic.caption());
    resize(800, 500);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("gridList"));
    grid_->setModel(&logic_.model());
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->installEventFilter(this);
    v->addWidget(grid_);
    if (logic_.model().rows() > 0)
        grid_->setCurrentIndex(logic_.model().index(0, 0));
    connect(grid_, &QTableView::doubleClicked, this, [this](const QModelIndex& i) { doubleClick(i.row()); });
}

void ListWindow::doubleClick(int row)
{
    if (row < 0 || row >= logic_.model().rows())
        return;
    switch (logic_.doubleClick()) {
    case ListWindowLogic::DoubleClick::Journal: {
        JournalViewer viewer(db_);
        QStringList ids;
        for (int r = 0; r < logic_.model().rows(); ++r)
            ids << logic_.key(r);
        viewer.setList(ids, row);
        JournalWindow w(viewer, this);
        w.exec();
        break;
    }
    case ListWindowLogic::DoubleClick::Payments: {
        ListWindowLogic payments(db_, utils_, dialogs_, QStringLiteral("Платежи"), logic_.paymentsSql(),
                                 {{QStringLiteral("UID"), logic_.key(row)}});
        try {
            payments.open();
        } catch (const DbError& e) {
            dialogs_.message(e.message(), QString(), UserDialogs::Icon::Error);
            return;
        }
        ListWindow w(payments, db_, utils_, dialogs_, this);
        w.exec();
        break;
    }
    case ListWindowLogic::DoubleClick::Choose:
        chosen_ = logic_.key(row);
        accept();
        break;
    case ListWindowLogic::DoubleClick::None:
        break;
    }
}

bool ListWindow::eventFilter(QObject* o, QEvent* e)
{
    if (o == grid_ && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        const int row = grid_->currentIndex().row();
        switch (k->key()) {
        case Qt::Key_F7:
            SearchWindow::run(*grid_, dialogs_, this);
            return true;
        case Qt::Key_F1:
            if (logic_.firstColumn() == QLatin1String("EXP_UID") && showText) {
                try {
                    showText(logic_.caption(), logic_.reportText(row));
                } catch (const DbError& ex) {
                    dialogs_.message(ex.message(), QString(), UserDialogs::Icon::Error);
                }
            }
            return true;
        case Qt::Key_Delete:
            try {
                if (logic_.remove(row) && logic_.model().rows() > 0)
                    grid_->setCurrentIndex(logic_.model().index(qMin(row, logic_.model().rows() - 1), 0));
            } catch (const DbError& ex) {
                dialogs_.message(ex.message(), QString(), UserDialogs::Icon::Error);
            }
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(o, e);
}
