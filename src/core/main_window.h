#pragma once
#include <QHash>
#include <QMainWindow>
#include <functional>

class MenuState;
class UserDialogs;
class QAction;
class QLabel;
class QMenu;

// The main window "Прием платежей". It carries the whole main menu (built from menu_table(), every
// entry with its id as objectName, visibility following MenuState), the title line and the status bar;
// the start-up runs on its first activation and the status refresh on every later one. The payment list
// goes into the central area.
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
    void closeEvent(QCloseEvent* e) override;

private:
    void buildMenu();
    void applyVisibility(const QString& id, bool visible);

    MenuState& menus_;
    UserDialogs& dialogs_;
    QHash<QString, QAction*> actions_;
    QHash<QString, QMenu*> menus__;
    QList<QLabel*> panels_;
    bool firstShown_ = false;
    bool started_ = false;
    bool inFirst_ = false;
    bool closeNow_ = false;
};
