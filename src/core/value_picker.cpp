#include "core/value_picker.h"
#include "db/db_error.h"
#include "util/user_dialogs.h"
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>
#include <QWheelEvent>

Form37::Form37(ValuePickerLogic& logic, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), logic_(logic), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("Form37"));
    setWindowTitle(QStringLiteral("Выберите значение двойным щелчком"));
    resize(600, 420);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Найти: "), this));
    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("edFind"));
    top->addWidget(filter_, 1);
    layout->addLayout(top);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("gridValues"));
    grid_->setModel(&logic_.model());
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->viewport()->installEventFilter(this);
    layout->addWidget(grid_, 1);
    connect(filter_, &QLineEdit::textChanged, this, [this](const QString& t) {
        try {
            logic_.setFilter(t);
        } catch (const DbError& e) {
            dialogs_.message(e.message(), QString(), UserDialogs::Icon::Error);
        }
        if (logic_.model().rows() > 0)
            grid_->setCurrentIndex(logic_.model().index(0, 0));
    });
    connect(grid_, &QTableView::doubleClicked, this, [this](const QModelIndex& i) { choose(i.row()); });
    if (logic_.model().rows() > 0)
        grid_->setCurrentIndex(logic_.model().index(0, 0));
}

void Form37::choose(int row)
{
    if (row < 0)
        return;
    chosen_ = true;
    row_ = row;
    accept();
}

QStringList Form37::chosenRow() const
{
    QStringList r;
    if (!chosen_)
        return r;
    for (int c = 0; c < logic_.model().columnCount(); ++c)
        r << logic_.model().text(row_, c);
    return r;
}

bool Form37::eventFilter(QObject* o, QEvent* e)
{
    if (o == grid_->viewport() && e->type() == QEvent::Wheel) {
        // the wheel moves the current row by the system's wheel scroll lines
        auto* w = static_cast<QWheelEvent*>(e);
        const int steps = w->angleDelta().y() / 120;
        if (steps != 0 && logic_.model().rows() > 0) {
            const int row = qBound(0, grid_->currentIndex().row() - steps * QApplication::wheelScrollLines(),
                                   logic_.model().rows() - 1);
            grid_->setCurrentIndex(logic_.model().index(row, 0));
        }
        return true;
    }
    return QDialog::eventFilter(o, e);
}

std::optional<QStringList> Form37::pick(Transaction& tr, UserDialogs& dialogs, const QString& sql, QWidget* parent,
                                        QString* filterText, const QVariantMap& params)
{
    ValuePickerLogic logic(tr, sql, params);
    try {
        logic.open();
    } catch (const DbError& e) {
        dialogs.message(e.message(), QString(), UserDialogs::Icon::Error);
        return std::nullopt;
    }
    Form37 w(logic, dialogs, parent);
    w.exec();
    if (filterText)
        *filterText = logic.filter();
    if (!w.chosen())
        return std::nullopt;
    return w.chosenRow();
}
