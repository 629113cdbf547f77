#include "core/main_window.h"
#include "core/menu_state.h"
#include "util/user_dialogs.h"
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

Form1::Form1(MenuState& menus, UserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), menus_(menus), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Прием платежей"));
    resize(1024, 700);
    buildMenu();
    buildToolBar();
    buildCentral();
    for (int i = 0; i < 3; ++i) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("statusPanel%1").arg(i));
        panels_ << l;
        if (i == 0)
            statusBar()->addWidget(l, 1);
        else
            statusBar()->addPermanentWidget(l);
    }
    panels_[1]->setMinimumWidth(110);
    panels_[2]->setMinimumWidth(100);
    panels_[2]->installEventFilter(this);
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

void Form1::buildToolBar()
{
    auto* bar = addToolBar(QStringLiteral("Платежи"));
    bar->setObjectName(QStringLiteral("toolBar"));
    bar->setMovable(false);
    bar->addWidget(new QLabel(QStringLiteral("Платежи за  "), bar));
    day_ = new QDateEdit(bar);
    day_->setObjectName(QStringLiteral("dtpDay"));
    day_->setCalendarPopup(true);
    day_->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    day_->setDate(QDate::currentDate());
    bar->addWidget(day_);
    bar->addSeparator();
    bar->addWidget(new QLabel(QStringLiteral("Смена №"), bar));
    shift_ = new QComboBox(bar);
    shift_->setObjectName(QStringLiteral("cbShift"));
    shift_->setEditable(false);
    shift_->setMinimumContentsLength(28);
    shift_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    bar->addWidget(shift_);
    bar->addSeparator();
    current_ = new QCheckBox(QStringLiteral("Платежи текущей смены"), bar);
    current_->setObjectName(QStringLiteral("chkCurrentShift"));
    bar->addWidget(current_);
    bar->addSeparator();
    status_ = new QLabel(bar);
    status_->setObjectName(QStringLiteral("lblStatus"));
    bar->addWidget(status_);
    gauge_ = new QProgressBar(bar);
    gauge_->setObjectName(QStringLiteral("gauge"));
    gauge_->setMaximumWidth(200);
    gauge_->setValue(0);
    gauge_->setTextVisible(false);
    gauge_->setVisible(false);
    bar->addWidget(gauge_);
}

void Form1::buildCentral()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("paymentsArea"));
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    grid_ = new QTableView(central);
    grid_->setObjectName(QStringLiteral("gridPayments"));
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::MultiSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 4);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setSectionsClickable(true);
    grid_->setWordWrap(false);
    layout->addWidget(grid_, 1);
    commentPanel_ = new QWidget(central);
    commentPanel_->setObjectName(QStringLiteral("pnlComment"));
    auto* cl = new QVBoxLayout(commentPanel_);
    cl->setContentsMargins(2, 2, 2, 2);
    comment_ = new QPlainTextEdit(commentPanel_);
    comment_->setObjectName(QStringLiteral("edComment"));
    comment_->setReadOnly(true);
    comment_->setMaximumHeight(60);
    cl->addWidget(comment_);
    commentPanel_->setVisible(false);
    layout->addWidget(commentPanel_);
    setCentralWidget(central);
}

bool Form1::eventFilter(QObject* o, QEvent* e)
{
    if (!panels_.isEmpty() && o == panels_.value(2) && e->type() == QEvent::MouseButtonRelease) {
        if (onConnectionPanelClicked)
            onConnectionPanelClicked();
        return true;
    }
    return QMainWindow::eventFilter(o, e);
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
