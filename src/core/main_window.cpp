#include "core/main_window.h"
#include "core/menu_state.h"
#include "util/user_dialogs.h"
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

Form1::Form1(MenuState& menus, UserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), menus_(menus), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Прием платежей"));
    resize(1024, 700);
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("paymentsArea"));
    setCentralWidget(central);
    buildMenu();
    for (int i = 0; i < 3; ++i) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("statusPanel%1").arg(i));
        panels_ << l;
        if (i == 0)
            statusBar()->addWidget(l, 1);
        else
            statusBar()->addPermanentWidget(l);
    }
    panels_[2]->setMinimumWidth(100);
    menus_.setListener([this](const QString& id, bool v) { applyVisibility(id, v); });
}

Form1::~Form1() { menus_.setListener({}); }

void Form1::buildMenu()
{
    for (const MenuEntry& e : menu_table()) {
        const QString id = QString::fromLatin1(e.id);
        const QString parent = QString::fromLatin1(e.parent);
        QAction* a = nullptr;
        if (e.submenu) {
            QMenu* m = menuBar()->addMenu(e.caption);
            m->setObjectName(id);
            menus__.insert(id, m);
            a = m->menuAction();
        } else if (parent.isEmpty()) {
            a = menuBar()->addAction(e.caption);
        } else {
            QMenu* m = menus__.value(parent);
            if (e.separatorBefore && !m->isEmpty())
                m->addSeparator();
            a = m->addAction(e.caption);
        }
        a->setObjectName(id);
        actions_.insert(id, a);
    }
    for (auto it = menus_.all().constBegin(); it != menus_.all().constEnd(); ++it)
        applyVisibility(it.key(), it.value());
}

void Form1::applyVisibility(const QString& id, bool visible)
{
    if (QAction* a = actions_.value(id))
        a->setVisible(visible);
}

QAction* Form1::action(const QString& id) const { return actions_.value(id); }
QMenu* Form1::menu(const QString& id) const { return menus__.value(id); }
QLabel* Form1::statusPanel(int index) const { return panels_.value(index); }

void Form1::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (firstShown_)
        return;
    firstShown_ = true;
    QTimer::singleShot(0, this, [this] {
        inFirst_ = true;
        if (onFirstActivation)
            onFirstActivation();
        inFirst_ = false;
    });
}

bool Form1::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate && started_ && !inFirst_ && onActivation)
        onActivation();
    return QMainWindow::event(e);
}

void Form1::closeNow()
{
    closeNow_ = true;
    close();
}

void Form1::closeEvent(QCloseEvent* e)
{
    if (closeNow_ || !loggedIn || !loggedIn()) {
        e->accept();
        return;
    }
    if (!dialogs_.askYesNo(QStringLiteral("Закрыть программу?"), QStringLiteral("Прием платежей"))) {
        e->ignore();
        return;
    }
    if (onClosing)
        onClosing();
    e->accept();
}
