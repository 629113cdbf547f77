#pragma once
#include "core/payment_list.h"
#include "core/payment_list_model.h"
#include "core/payment_record.h"
#include "util/progress.h"
#include <QObject>
#include <functional>
#include <memory>

struct WorkingState;
class Database;
class DbUtils;
class Log;
class UserDialogs;
class CancellationDevices;
class FilterWindow;
class Form1;
class QModelIndex;

// The main window's gauge and status label for long work; repaints the window while it reports.
class GaugeProgress : public Progress {
public:
    explicit GaugeProgress(Form1& window) : window_(window) {}
    void start(int maximum, const QString& text = QString()) override;
    void step(int value, const QString& text = QString()) override;
    void finish() override;

private:
    Form1& window_;
};

// Binds the main window's tool bar, payment grid, comment panel and connection panel to the payment
// list: day, shift, "Платежи текущей смены", sorting, the grid's keys and mouse rules, the totals
// message, the filter, the search, cancelling (F8) and opening a payment.
class PaymentsController : public QObject {
    Q_OBJECT
public:
    PaymentsController(Form1& window, WorkingState& ws, Database& db, DbUtils& utils, Log& log, UserDialogs& dialogs,
                       CancellationDevices& devices);
    ~PaymentsController() override;

    PaymentList& list() { return list_; }
    PaymentListModel& model() { return model_; }
    Progress& progress() { return progress_; }

    // sm_list and show_pmnts. show_pmnts shows the first screen of a long list at once and reads the
    // rest while the program is idle; readAll reads it now.
    void refresh();
    void sm_list();
    void show_pmnts();
    void readAll();
    static constexpr int kFirstRows = 100;
    static constexpr int kChunkRows = 2000;
    // The day of the date picker (and the filter window's dates at start-up).
    void setDay(const QDate& d);

    // The grid's commands.
    void toggleCurrentRow();
    void clearSelection();
    void invertSelection();
    QString totalsMessage();
    void showTotals();
    void openFilter();
    void search();
    void cancelCurrent();
    void openCurrent(bool edit);
    void toggleConnection();
    QString currentUid() const;
    int selectedCount() const;

    // Opens the payment record window for a payment; false when it did not (then the record is shown
    // read-only).
    std::function<bool(const QString& uid, const RecordAccess& access)> openRecord;
    // The status refresh after a cancellation.
    std::function<void()> statusRefresh;
    // Central mode: going online sends every unsent record (the exchange layer).
    std::function<void()> goOnline;
    FilterWindow& filterWindow();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void applyControls();
    void updateComment();
    void setCurrentRow(int row);
    void connectionPanelText();
    bool readMore(int count);
    void scheduleReading();

    Form1& w_;
    WorkingState& ws_;
    Database& db_;
    DbUtils& utils_;
    Log& log_;
    UserDialogs& dialogs_;
    CancellationDevices& devices_;
    PaymentList list_;
    PaymentListModel model_;
    GaugeProgress progress_;
    std::unique_ptr<FilterWindow> filter_;
    bool filling_ = false;
    int listGeneration_ = 0;
};
