#pragma once
#include "core/payment_filter.h"
#include <QDialog>

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class Database;
class UserDialogs;

// The filter window "Фильтр" (F6): the fields of PaymentFilter with their pickers. "Применить" builds
// the list filter, "Очистить" empties the fields, "Отменить" closes without change. The window keeps its
// fields between openings.
class FilterWindow : public QDialog {
    Q_OBJECT
public:
    FilterWindow(Database& db, UserDialogs& dialogs, QWidget* parent = nullptr);

    // The four dates get `d` (start-up's day).
    void setDay(const QDate& d);
    PaymentFilter fields() const;
    void setFields(const PaymentFilter& f);
    // After "Применить": the filter made.
    ListFilter filter() const { return filter_; }

    void apply();
    void clearFields();

private:
    void pickService();
    void pickPayee();
    void pickClient();
    void updateEnabled();
    QString lookup(const QString& sql, const QString& code);

    Database& db_;
    UserDialogs& dialogs_;
    QLineEdit *fio_, *srv_, *org_, *ndoc_, *sumFrom_, *sumTo_;
    QLabel *srvName_, *orgName_;
    QCheckBox *bySum_, *byDate_, *byPp_;
    QDateEdit *dateFrom_, *dateTo_, *ppFrom_, *ppTo_;
    QDate today_ = QDate::currentDate();
    ListFilter filter_;
};
