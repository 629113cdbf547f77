#pragma once
#include <QDateTime>
#include <QString>
#include <functional>

struct WorkingState;
class Database;
class RegisterSession;
class MenuState;
class Clock;

// The main window's title line and the menu items offered for the register's shift state and the user's
// role. Runs after start-up, after every activation of the main window, after a department change and
// after every shift operation.
class StatusRefresh {
public:
    StatusRefresh(WorkingState& ws, Database& db, RegisterSession& reg, MenuState& menus, const Clock& clock);

    // `force_open`: a Shtrih register's shift counts as open whatever its mode; `printer_shift_state`:
    // the shift state of a Windows printer, which has none of its own. Returns the new title.
    QString status_refresh(bool force_open, bool printer_shift_state);

    QString title() const { return title_; }
    // Receives every new title (the main window sets it as its caption).
    void setTitleListener(std::function<void(const QString&)> f) { onTitle_ = std::move(f); }
    void setApplicationTitle(const QString& t) { appTitle_ = t; }

private:
    // Opening moment of cur_smena_nom from SMENA; invalid when there is none.
    QDateTime shiftOpened();

    WorkingState& ws_;
    Database& db_;
    RegisterSession& reg_;
    MenuState& menus_;
    const Clock& clock_;
    QString appTitle_ = QStringLiteral("Прием платежей");
    QString title_;
    std::function<void(const QString&)> onTitle_;
};
