#pragma once
#include <QHash>
#include <QMainWindow>
#include <functional>

class MenuState;
class UserDialogs;
class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QTableView;
class QWidget;

// The main window "Прием платежей". It carries the whole main menu (built from menu_table(), every
// entry with its id as objectName, visibility following MenuState), the title line and the status bar;
// the start-up runs on its first activation and the status refresh on every later one. Below the menu:
// the tool bar (day, shift, "Платежи текущей смены", status label, gauge), the payment grid, the comment
// panel and the three status bar panels. The payment list logic drives these controls.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    Form1(MenuState& menus, UserDialogs& dialogs, QWidget* parent = nullptr);
    ~Form1() override;

    // The action of a menu item, or the menuAction() of a menu, by id (nullptr for an unknown id).
    QAction* action(const QString& id) const;
    QMenu* menu(const QString& id) const;
    // The status bar panels: general, the exchange in progress, the connection state.
    QLabel* statusPanel(int index) const;

    QDateEdit* dayPicker() const { return day_; }
    QComboBox* shiftList() const { return shift_; }
    QCheckBox* currentShiftBox() const { return current_; }
    QLabel* statusLabel() const { return status_; }
    QProgressBar* gauge() const { return gauge_; }
    QTableView* grid() const { return grid_; }
    QWidget* commentPanel() const { return commentPanel_; }
    QPlainTextEdit* commentText() const { return comment_; }

    // A click on the status bar's connection panel.
    std::function<void()> onConnectionPanelClicked;

    // Run once, on the first activation (queued after the window is shown).
    std::function<void()> onFirstActivation;
    // Every later activation.
    std::function<void()> onActivation;
    // Whether a user is logged in: without one the window closes without asking.
    std::function<bool()> loggedIn;
    // After "Закрыть программу?" was answered Yes, before the window closes.
    std::function<void()> onClosing;

    bool started() const { return started_; }
    void setStarted(bool s) { started_ = s; }
    // Closes without the question (start-up ended the program).
    void closeNow();

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void buildMenu();
    void buildToolBar();
    void buildCentral();
    void applyVisibility(const QString& id, bool visible);

    MenuState& menus_;
    UserDialogs& dialogs_;
    QHash<QString, QAction*> actions_;
    QHash<QString, QMenu*> menus__;
    QList<QLabel*> panels_;
    QDateEdit* day_ = nullptr;
    QComboBox* shift_ = nullptr;
    QCheckBox* current_ = nullptr;
    QLabel* status_ = nullptr;
    QProgressBar* gauge_ = nullptr;
    QTableView* grid_ = nullptr;
    QWidget* commentPanel_ = nullptr;
    QPlainTextEdit* comment_ = nullptr;
    bool firstShown_ = false;
    bool started_ = false;
    bool inFirst_ = false;
    bool closeNow_ = false;
};
