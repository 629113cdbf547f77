#include "core/payments_controller.h"
#include "core/filter_window.h"
#include "core/main_window.h"
#include "core/menu_state.h"
#include "core/payment_cancellation.h"
#include "core/payment_record_window.h"
#include "core/payment_totals.h"
#include "core/search_window.h"
#include "core/working_state.h"
#include "db/database.h"
#include "util/log.h"
#include "util/user_dialogs.h"
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTableView>
#include <QTimer>
#include <QWheelEvent>

void GaugeProgress::start(int maximum, const QString& text)
{
    window_.gauge()->setRange(0, qMax(1, maximum));
    window_.gauge()->setValue(0);
    window_.gauge()->setVisible(true);
    window_.statusLabel()->setText(text);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void GaugeProgress::step(int value, const QString& text)
{
    window_.gauge()->setValue(value);
    if (!text.isEmpty())
        window_.statusLabel()->setText(text);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void GaugeProgress::finish()
{
    window_.gauge()->setVisible(false);
    window_.statusLabel()->clear();
}

PaymentsController::PaymentsController(Form1& window, WorkingState& ws, Database& db, DbUtils& utils, Log& log,
                                       UserDialogs& dialogs, CancellationDevices& devices)
    : w_(window), ws_(ws), db_(db), utils_(utils), log_(log), dialogs_(dialogs), devices_(devices), list_(ws, db),
      progress_(window)
{
    list_.day = w_.dayPicker()->date();
    QTableView* g = w_.grid();
    g->setModel(&model_);
    model_.hasMore = [this] { return !list_.atEnd(); };
    model_.readMore = [this] { readMore(kChunkRows / 4); };
    g->setItemDelegate(new PaymentGridDelegate(g));
    g->setSelectionMode(QAbstractItemView::ExtendedSelection);
    const auto& cols = PaymentList::columns();
    for (int c = 0; c < static_cast<int>(cols.size()); ++c) {
        if (cols[c].width == 0)
            g->setColumnHidden(c, true);
        else
            g->setColumnWidth(c, cols[c].width);
    }
    g->installEventFilter(this);
    g->viewport()->installEventFilter(this);

    connect(w_.dayPicker(), &QDateEdit::dateChanged, this, [this](const QDate& d) {
        if (filling_)
            return;
        list_.day = d;
        refresh();
    });
    connect(w_.shiftList(), &QComboBox::currentIndexChanged, this, [this](int i) {
        if (filling_ || i < 0)
            return;
        list_.smena_nom = w_.shiftList()->itemData(i).toString();
        show_pmnts();
    });
    connect(w_.currentShiftBox(), &QCheckBox::toggled, this, [this](bool on) {
        if (filling_)
            return;
        list_.current_shift = on;
        show_pmnts();
    });
    connect(g->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int c) {
        const auto& cols = PaymentList::columns();
        if (c < 0 || c >= static_cast<int>(cols.size()))
            return;
        list_.list_order = cols[c].field;
        show_pmnts();
    });
    connect(g, &QTableView::doubleClicked, this, [this](const QModelIndex&) { openCurrent(false); });
    connect(g->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { updateComment(); });
    w_.onConnectionPanelClicked = [this] { toggleConnection(); };
}

PaymentsController::~PaymentsController()
{
    w_.onConnectionPanelClicked = {};
}

FilterWindow& PaymentsController::filterWindow()
{
    if (!filter_) {
        filter_ = std::make_unique<FilterWindow>(db_, dialogs_, &w_);
        filter_->setDay(list_.day.isValid() ? list_.day : QDate::currentDate());
    }
    return *filter_;
}

void PaymentsController::setDay(const QDate& d)
{
    filterWindow().setDay(d);
    filling_ = true;
    w_.dayPicker()->setDate(d);
    filling_ = false;
    list_.day = d;
}

void PaymentsController::refresh()
{
    sm_list();
    show_pmnts();
    w_.grid()->setFocus();
}

void PaymentsController::sm_list()
{
    std::vector<ShiftEntry> entries;
    try {
        entries = list_.sm_list();
    } catch (const DbError& e) {
        db_.main().rollback();
        dialogs_.message(e.message(), QString(), UserDialogs::Icon::Error);
        entries = {{QStringLiteral("%"), QStringLiteral("%")}};
    }
    filling_ = true;
    QComboBox* cb = w_.shiftList();
    cb->clear();
    for (const ShiftEntry& e : entries)
        cb->addItem(e.text, e.smena_nom);
    cb->setCurrentIndex(0);
    filling_ = false;
    list_.smena_nom = QStringLiteral("%");
}

void PaymentsController::applyControls()
{
    const bool on = list_.current_shift;
    w_.dayPicker()->setEnabled(!on);
    w_.shiftList()->setEnabled(!on);
}

void PaymentsController::show_pmnts()
{
    const QString keep = currentUid();
    applyControls();
    ++listGeneration_;
    try {
        list_.open_pmnts();
        model_.setRows(list_.fetch(kFirstRows));
        db_.main().commit();
    } catch (const DbError& e) {
        db_.main().rollback();
        list_.clear();
        model_.clear();
        updateComment();
        dialogs_.message(e.message(), QString(), UserDialogs::Icon::Error);
        return;
    }
    // the row that was current stays current, however far down the list it is
    int row = 0;
    if (!keep.isEmpty())
        for (int r = 0; r < model_.rows() || readMore(kChunkRows); ++r)
            if (model_.row(r).uid == keep) {
                row = r;
                break;
            }
    if (model_.rows() > 0)
        setCurrentRow(row);
    updateComment();
    scheduleReading();
    if (list_.hasRunningTotals())
        PaymentTotals::mergeRunningTotals(db_, list_.day, PaymentTotals::kMergeAbove);
}

bool PaymentsController::readMore(int count)
{
    if (list_.atEnd())
        return false;
    try {
        model_.appendRows(list_.fetch(count));
    } catch (const DbError& e) {
        // the rows read so far stay; the next refresh reads the list again
        list_.close();
        dialogs_.message(e.message(), QString(), UserDialogs::Icon::Error);
        return false;
    }
    return true;
}

void PaymentsController::scheduleReading()
{
    // The rest of a long list is read in parts while the program is idle, so the first screen shows
    // at once and the window keeps answering; a refresh in the meantime starts a new reading.
    if (list_.atEnd())
        return;
    const int generation = listGeneration_;
    QTimer::singleShot(0, this, [this, generation] {
        if (generation == listGeneration_ && readMore(kChunkRows))
            scheduleReading();
    });
}

void PaymentsController::readAll()
{
    while (readMore(kChunkRows)) {
    }
}

void PaymentsController::setCurrentRow(int row)
{
    QTableView* g = w_.grid();
    const int col = qMax(PaymentList::kUidColumn, g->currentIndex().column());
    const QModelIndex i = model_.index(row, col);
    g->selectionModel()->setCurrentIndex(i, QItemSelectionModel::NoUpdate);
    g->scrollTo(i);
}

QString PaymentsController::currentUid() const
{
    const int r = w_.grid()->currentIndex().row();
    return r >= 0 && r < model_.rows() ? model_.row(r).uid : QString();
}

int PaymentsController::selectedCount() const
{
    return static_cast<int>(w_.grid()->selectionModel()->selectedRows().size());
}

void PaymentsController::updateComment()
{
    const int r = w_.grid()->currentIndex().row();
    const QString cm = r >= 0 && r < model_.rows() ? model_.row(r).pmnt_cm : QString();
    w_.commentText()->setPlainText(cm);
    w_.commentPanel()->setVisible(!cm.isEmpty());
}

void PaymentsController::toggleCurrentRow()
{
    QTableView* g = w_.grid();
    const QModelIndex cur = g->currentIndex();
    if (!cur.isValid())
        return;
    QItemSelectionModel* sm = g->selectionModel();
    const auto flags = selectedCount() <= 1 ? QItemSelectionModel::Select : QItemSelectionModel::Toggle;
    sm->select(cur, flags | QItemSelectionModel::Rows);
    if (cur.row() + 1 < model_.rows())
        setCurrentRow(cur.row() + 1);
}

void PaymentsController::clearSelection() { w_.grid()->selectionModel()->clearSelection(); }

void PaymentsController::invertSelection()
{
    readAll();
    const int rows = model_.rows();
    if (rows == 0)
        return;
    QItemSelectionModel* sm = w_.grid()->selectionModel();
    const int lastCol = model_.columnCount() - 1;
    QItemSelection all(model_.index(0, 0), model_.index(rows - 1, lastCol));
    sm->select(all, QItemSelectionModel::Toggle);
}

QString PaymentsController::totalsMessage()
{
    const auto selected = w_.grid()->selectionModel()->selectedRows();
    Money sum;
    for (const QModelIndex& i : selected)
        sum += model_.row(i.row()).sum;
    PaymentTotals totals(list_, db_);
    const QString text = totals.message(static_cast<int>(selected.size()), sum);
    db_.main().commit();
    return text;
}

void PaymentsController::showTotals()
{
    try {
        dialogs_.message(totalsMessage());
    } catch (const DbError& e) {
        db_.main().rollback();
        dialogs_.message(e.message(), QString(), UserDialogs::Icon::Error);
    }
}

void PaymentsController::openFilter()
{
    FilterWindow& f = filterWindow();
    if (f.exec() == QDialog::Accepted) {
        filling_ = true;
        w_.currentShiftBox()->setChecked(false);
        filling_ = false;
        list_.current_shift = false;
        list_.list_filter = f.filter();
    }
    show_pmnts();
}

void PaymentsController::search()
{
    readAll();
    SearchWindow::run(*w_.grid(), dialogs_, &w_);
}

void PaymentsController::cancelCurrent()
{
    const QString uid = currentUid();
    if (uid.isEmpty() || ws_.cur_role == QLatin1String("3"))
        return;
    PaymentCancellation c(ws_, db_, utils_, log_, dialogs_, devices_);
    c.refreshLists = [this] { show_pmnts(); };
    c.statusRefresh = statusRefresh;
    try {
        c.cancel(uid, list_.current_shift);
    } catch (const DbError& e) {
        db_.main().rollback();
        devices_.fr_disconnect();
        dialogs_.message(e.message(), QString(), UserDialogs::Icon::Error);
    }
}

void PaymentsController::openCurrent(bool edit)
{
    const QString uid = currentUid();
    if (uid.isEmpty())
        return;
    const RecordAccess access = RecordAccess::of(ws_, edit, list_.current_shift);
    if (openRecord && openRecord(uid, access))
        return;
    try {
        const PaymentRecord r = PaymentRecord::load(db_, uid);
        db_.main().commit();
        if (!r.found)
            return;
        PaymentRecordWindow win(r, &w_);
        win.exec();
    } catch (const DbError& e) {
        db_.main().rollback();
        dialogs_.message(e.message(), QString(), UserDialogs::Icon::Error);
    }
}

void PaymentsController::connectionPanelText()
{
    if (!ws_.central_mode.isEmpty())
        w_.statusPanel(2)->setText(ws_.online ? QStringLiteral("На связи") : QStringLiteral("Автономно"));
}

void PaymentsController::toggleConnection()
{
    if (ws_.central_mode.isEmpty())
        return;
    if (!ws_.online) {
        ws_.online = true;
        if (goOnline)
            goOnline();
    } else if (dialogs_.askYesNo(
                   QStringLiteral("Включить автономный режим работы? (Обмен данными с сервером будет приостановлен)"),
                   QStringLiteral("Прием платежей"))) {
        ws_.online = false;
    }
    connectionPanelText();
}

bool PaymentsController::eventFilter(QObject* o, QEvent* e)
{
    QTableView* g = w_.grid();
    if (o == g->viewport() && e->type() == QEvent::Wheel) {
        auto* we = static_cast<QWheelEvent*>(e);
        const int steps = we->angleDelta().y() / 120;
        if (steps != 0 && model_.rows() > 0) {
            const int row = qBound(0, g->currentIndex().row() - steps * QApplication::wheelScrollLines(), model_.rows() - 1);
            setCurrentRow(row);
        }
        return true;
    }
    if (o == g->viewport() && e->type() == QEvent::MouseButtonRelease) {
        updateComment();
        return false;
    }
    if (o != g)
        return QObject::eventFilter(o, e);
    if (e->type() == QEvent::KeyRelease) {
        updateComment();
        return false;
    }
    if (e->type() != QEvent::KeyPress)
        return QObject::eventFilter(o, e);
    auto* k = static_cast<QKeyEvent*>(e);
    const bool keypad = k->modifiers() & Qt::KeypadModifier;
    switch (k->key()) {
    case Qt::Key_Space:
        toggleCurrentRow();
        return true;
    case Qt::Key_Minus:
        if (!keypad)
            break;
        clearSelection();
        return true;
    case Qt::Key_Asterisk:
        if (!keypad)
            break;
        invertSelection();
        return true;
    case Qt::Key_Plus:
        if (!keypad)
            break;
        showTotals();
        return true;
    case Qt::Key_Insert: {
        QAction* a = w_.action(QString::fromLatin1(menu::EnterPayment));
        if (a && a->isVisible() && a->isEnabled())
            a->trigger();
        return true;
    }
    case Qt::Key_Escape:
        w_.close();
        return true;
    case Qt::Key_F6:
        openFilter();
        return true;
    case Qt::Key_F7:
        search();
        return true;
    case Qt::Key_F8:
        cancelCurrent();
        return true;
    case Qt::Key_F1:
        openCurrent(false);
        return true;
    case Qt::Key_F9:
        openCurrent(true);
        return true;
    default:
        break;
    }
    return QObject::eventFilter(o, e);
}
