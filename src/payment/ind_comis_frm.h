#pragma once
#include "payment/department_commissions.h"
#include <QDialog>
#include <functional>
#include <memory>

class Database;
class DbUtils;
class IndComisEdt;
class UserDialogs;
class QPushButton;
class QTableWidget;

// List window of a service's department commissions ("Комиссия по подразделениям"), opened by the
// providers editor for the service being edited.
class IndComisFrm : public QDialog {
    Q_OBJECT
public:
    IndComisFrm(Database& db, DbUtils& utils, UserDialogs& dialogs, QWidget* parent = nullptr);
    ~IndComisFrm() override;

    // Sets the service and reloads the grid; then show the window with exec().
    void openFor(const QString& kodSrv);
    // Called after every change, for the main window to refresh its views.
    void setOnChanged(std::function<void()> f) { onChanged_ = std::move(f); }

    QString kodSrv() const { return kodSrv_; }
    QTableWidget* grid() const { return grid_; }
    IndComisEdt* editWindow() const { return edit_; }

    void reload();
    void add();
    void change();
    void remove();

private:
    void changed();

    DepartmentCommissions logic_;
    UserDialogs& dialogs_;
    QString kodSrv_;
    std::function<void()> onChanged_;
    QTableWidget* grid_;
    QPushButton* add_;
    QPushButton* edit_btn_;
    QPushButton* del_;
    IndComisEdt* edit_;
};
