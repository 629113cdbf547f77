#include "core/value_picker.h"
#include "db/db_error.h"
#include "util/user_dialogs.h"
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
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
    grid_->installEventFilter(this);
    layout->addWidget(grid_, 1);
    if (logic_.directory() != ValuePickerLogic::Directory::None)
        buildDirectoryPanel(layout);
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

void Form37::buildDirectoryPanel(QLayout* layout)
{
    const bool kbk = logic_.directory() == ValuePickerLogic::Directory::Kbk;
    auto* panel = new QHBoxLayout;
    code_ = new QLineEdit(this);
    code_->setObjectName(QStringLiteral("edCode"));
    code_->setInputMask(kbk ? QStringLiteral("00000000000000000000;_") : QStringLiteral("00000000000;_"));
    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("edText1"));
    text2_ = new QLineEdit(this);
    text2_->setObjectName(QStringLiteral("edText2"));
    panel->addWidget(code_);
    panel->addWidget(new QLabel(kbk ? QStringLiteral("Расшиф.") : QStringLiteral("Тип"), this));
    panel->addWidget(text1_, 1);
    panel->addWidget(new QLabel(kbk ? QStringLiteral("Сокр. расш.") : QStringLiteral("Наим."), this));
    panel->addWidget(text2_, 1);
    auto* add = new QPushButton(QStringLiteral("Добавить"), this);
    add->setObjectName(QStringLiteral("btnAdd"));
    auto* clear = new QPushButton(QStringLiteral("Очистить поля"), this);
    clear->setObjectName(QStringLiteral("btnClear"));
    panel->addWidget(add);
    panel->addWidget(clear);
    static_cast<QBoxLayout*>(layout)->addLayout(panel);
    connect(add, &QPushButton::clicked, this, [this] {
        QString code = code_->text();
        code.remove(QLatin1Char('_'));
        logic_.addDirectoryRow(dialogs_, code, text1_->text(), text2_->text());
    });
    connect(clear, &QPushButton::clicked, this, [this] {
        code_->clear();
        text1_->clear();
        text2_->clear();
    });
    connect(grid_, &QTableView::clicked, this, [this](const QModelIndex& i) {
        const RowSetModel& m = logic_.model();
        code_->setText(m.text(i.row(), 0));
        text1_->setText(m.columnCount() > 1 ? m.text(i.row(), 1) : QString());
        text2_->setText(m.columnCount() > 2 ? m.text(i.row(), 2) : QString());
    });
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
    if (o == grid_ && e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Delete) {
        logic_.deleteRow(dialogs_, grid_->currentIndex().row());
        return true;
    }
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
                                        QString* filterText, const QVariantMap& params, DbUtils* journal)
{
    ValuePickerLogic logic(tr, sql, params);
    logic.journal = journal;
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
