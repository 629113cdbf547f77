// The start-up in the real windows, offscreen: login window, main window title and menus, closing.
#include "core/about_window.h"
#include "core/department_window.h"
#include "core/login_logic.h"
#include "core/login_window.h"
#include "core/main_window.h"
#include "core/workstation.h"
#include "core_fixture.h"
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
// A work folder for the whole program: "database" pointing at a fresh demo database, fr.ini, "log".
struct ProgramFolder {
    QTemporaryDir dir;
    WorkFolder folder{dir.path()};
    QString dbPath;
    explicit ProgramFolder(const QByteArray& frIni)
    {
        static int n = 0;
        dbPath = TestDatabase::shared().freshCopy(QStringLiteral("win_%1.fdb").arg(++n));
        write_file(folder.databaseFile(), dbPath.toUtf8());
        write_file(folder.frIniFile(), frIni);
    }
};

// Runs `step` on the open modal login window until it returns true or the time is up.
void driveLogin(const std::function<bool(LoginWindow&)>& step)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, step] {
        auto* w = qobject_cast<LoginWindow*>(QApplication::activeModalWidget());
        if (w && w->isVisible() && step(*w)) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}
} // namespace

TEST(Windows, CashierLogsInAndTheTitleShowsHer)
{
    ProgramFolder pf("driver=winprn\r\n");
    ScriptedDialogs dialogs;
    Workstation::Parts parts;
    parts.dialogs = &dialogs;
    Workstation w(pf.folder, std::move(parts));
    Form1& form = w.mainWindow();

    int stage = 0;
    driveLogin([&](LoginWindow& login) {
        auto* users = login.findChild<QComboBox*>(QStringLiteral("cbUsers"));
        auto* podr = login.findChild<QComboBox*>(QStringLiteral("cbPodr"));
        auto* pass = login.findChild<QLineEdit*>(QStringLiteral("edPassword"));
        if (stage == 0) {
            EXPECT_EQ(login.windowTitle(), QStringLiteral("Введите пароль"));
            EXPECT_EQ(pass->echoMode(), QLineEdit::Password);
            EXPECT_EQ(pass->maxLength(), 10);
            users->setCurrentIndex(users->findText(QStringLiteral("Смирнова Е.А.")));
            EXPECT_EQ(podr->currentText(), "0101");
            QTest::keyClicks(pass, QStringLiteral("w8ne5t"));
            QTest::keyClick(pass, Qt::Key_Return);
            stage = 1;
            return false;
        }
        EXPECT_EQ(dialogs.messages, QStringList({"Неправильный пароль!"}));
        EXPECT_TRUE(pass->text().isEmpty());
        QTest::keyClicks(pass, QStringLiteral("1111"));
        QTest::keyClick(pass, Qt::Key_Return);
        return true;
    });
    form.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.outcome().has_value(); }, 20000));
    ASSERT_EQ(*w.outcome(), Startup::Outcome::Ready) << dialogs.messages.join('|').toStdString();
    EXPECT_EQ(stage, 1);

    EXPECT_TRUE(form.windowTitle().startsWith(QStringLiteral("Прием платежей (вер. ")));
    EXPECT_TRUE(form.windowTitle().endsWith(QStringLiteral(". ФР включен. Смена открыта.  Пользователь: Смирнова Е.А. (0101).")))
        << form.windowTitle().toStdString();
    const QString log = read_log(w.log());
    EXPECT_TRUE(log.contains(QStringLiteral("Программа запущена.")));
    EXPECT_FALSE(log.contains(QStringLiteral("w8ne5t")));
    QFile user(pf.folder.userFile());
    ASSERT_TRUE(user.open(QIODevice::ReadOnly));
    EXPECT_EQ(user.readAll(), "1");

    // the cashier's menus
    EXPECT_FALSE(form.action(QString::fromLatin1(menu::Admin))->isVisible());
    EXPECT_TRUE(form.action(QString::fromLatin1(menu::Register))->isVisible());
    EXPECT_TRUE(form.action(QString::fromLatin1(menu::CloseShift))->isVisible());
    EXPECT_FALSE(form.action(QString::fromLatin1(menu::OpenShift))->isVisible());
    EXPECT_TRUE(form.action(QString::fromLatin1(menu::EnterPayment))->isVisible());
    EXPECT_EQ(form.action(QString::fromLatin1(menu::About))->text(), QStringLiteral("о программе"));

    // closing asks; No keeps the program, Yes ends it
    dialogs.yesNo = {false, true};
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.close());
    EXPECT_EQ(dialogs.questions, QStringList({"Закрыть программу?", "Закрыть программу?"}));
    EXPECT_TRUE(read_log(w.log()).contains(QStringLiteral("Завершение работы программы.")));
    EXPECT_FALSE(w.database().attached());
}

TEST(Windows, EscapeInTheLoginWindowEndsTheProgram)
{
    ProgramFolder pf("driver=winprn\r\n");
    ScriptedDialogs dialogs;
    Workstation::Parts parts;
    parts.dialogs = &dialogs;
    Workstation w(pf.folder, std::move(parts));
    driveLogin([&](LoginWindow& login) {
        QTest::keyClick(&login, Qt::Key_Escape);
        return true;
    });
    w.mainWindow().show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.outcome().has_value(); }, 20000));
    EXPECT_EQ(*w.outcome(), Startup::Outcome::Stop);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.mainWindow().isVisible(); }, 5000));
    EXPECT_TRUE(dialogs.questions.isEmpty()); // nobody logged in: no question
}

TEST(Windows, EnterWithoutDepartmentDoesNothing)
{
    CoreFixture f;
    f.sql(QStringLiteral("UPDATE BIS SET IPMSK='10.77.'"));
    f.db.attach(f.dbPath, QStringLiteral("SYSDBA"), QStringLiteral("masterkey"));
    LoginLogic logic(f.ws, f.db, f.log, f.folder.userFile());
    LoginWindow login(logic, f.dialogs);
    login.show();
    auto* users = login.findChild<QComboBox*>(QStringLiteral("cbUsers"));
    auto* podr = login.findChild<QComboBox*>(QStringLiteral("cbPodr"));
    auto* pass = login.findChild<QLineEdit*>(QStringLiteral("edPassword"));
    users->setCurrentIndex(users->findText(QStringLiteral("Смирнова Е.А.")));
    EXPECT_EQ(podr->count(), 0);
    QTest::keyClicks(pass, QStringLiteral("1111"));
    QTest::keyClick(pass, Qt::Key_Return);
    EXPECT_TRUE(login.isVisible());
    EXPECT_TRUE(f.dialogs.messages.isEmpty());
    EXPECT_TRUE(f.ws.cur_oper_nom.isEmpty());
    // the administrator sees every department
    users->setCurrentIndex(users->findText(QStringLiteral("Администратор")));
    EXPECT_EQ(podr->count(), 2);
    EXPECT_EQ(podr->currentText(), "0101");
}

TEST(Windows, DepartmentChoiceAndAbout)
{
    DepartmentWindow d({"0101", "0102"});
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Выберите подразделение"));
    EXPECT_EQ(d.chosen(), "0101");
    d.findChild<QListWidget*>(QStringLiteral("lbPodr"))->setCurrentRow(1);
    EXPECT_EQ(d.chosen(), "0102");

    AboutWindow a;
    EXPECT_EQ(a.windowTitle(), QStringLiteral("о программе"));
    EXPECT_EQ(AboutWindow::versionLine(), QStringLiteral("Прием платежей вер. %1.%2").arg(KVP_VERSION_MAJOR).arg(KVP_VERSION_MINOR));
}
