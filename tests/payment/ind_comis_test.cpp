#include "db/database.h"
#include "db/db_utils.h"
#include "db/query.h"
#include "payment/commission_rules.h"
#include "payment/ind_comis_edt.h"
#include "payment/ind_comis_frm.h"
#include "test_database.h"
#include "util/log.h"
#include "util/user_dialogs.h"
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <functional>

namespace {

// Runs `fill` on the edit window once it is shown modally.
void whenEditShown(IndComisEdt* edit, std::function<void()> fill)
{
    QTimer::singleShot(0, edit, [edit, fill] {
        ASSERT_TRUE(edit->isVisible());
        fill();
    });
}

class IndComisTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db_.attach(TestDatabase::shared(false).freshCopy(QStringLiteral("ind_comis.fdb")),
                   QString::fromLatin1(TestDatabase::kUser), QString::fromLatin1(TestDatabase::kPassword));
        for (const char* podr : {"02", "01"})
            Query(db_.main(), QStringLiteral("insert into bis (podr) values ('%1')").arg(QLatin1String(podr))).execute();
        Query(db_.main(), QStringLiteral("insert into service (kod_srv, is_k, komis, min_sum, max_sum) values ('S1', '0', 1, 5, 50)"))
            .execute();
        db_.main().commit();
    }

    int count(const QString& sql)
    {
        Query q(db_.main(), sql);
        q.open();
        const int n = static_cast<int>(q.integer(0));
        q.close();
        return n;
    }

    QTemporaryDir logDir_;
    Database db_;
    Log log_{logDir_.path()};
    DbUtils utils_{db_, log_};
    ScriptedDialogs dialogs_;
};

TEST_F(IndComisTest, AddChangeDeleteThroughTheWindows)
{
    IndComisFrm frm(db_, utils_, dialogs_);
    int refreshed = 0;
    frm.setOnChanged([&] { ++refreshed; });
    frm.openFor(QStringLiteral("S1"));
    EXPECT_EQ(frm.windowTitle(), QStringLiteral("Комиссия по подразделениям"));
    EXPECT_EQ(frm.grid()->rowCount(), 0);
    frm.show();

    IndComisEdt* edit = frm.editWindow();
    // "Добавить": departments in order, the first preselected, empty values; a bad number is refused
    whenEditShown(edit, [&] {
        EXPECT_EQ(edit->windowTitle(), QStringLiteral("Введите значения"));
        ASSERT_EQ(edit->podrBox()->count(), 2);
        EXPECT_EQ(edit->podrBox()->currentText(), QStringLiteral("01"));
        EXPECT_TRUE(edit->komisEdit()->text().isEmpty());
        edit->komisEdit()->setText(QStringLiteral("2,5"));
        edit->minEdit()->setText(QStringLiteral("abc"));
        edit->okButton()->click();
        EXPECT_TRUE(edit->isVisible());
        EXPECT_EQ(dialogs_.messages.size(), 1);
        edit->minEdit()->clear();
        edit->okButton()->click();
    });
    frm.findChild<QPushButton*>(QStringLiteral("add"))->click();
    EXPECT_EQ(refreshed, 1);
    ASSERT_EQ(frm.grid()->rowCount(), 1);
    EXPECT_EQ(frm.grid()->item(0, 1)->text(), QStringLiteral("01"));
    EXPECT_EQ(frm.grid()->item(0, 2)->text(), QStringLiteral("2,5"));
    EXPECT_EQ(frm.grid()->horizontalHeaderItem(2)->text(), QStringLiteral("Комиссия, %"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from jrnl where tab_name = 'KOMIS_PODR'")), 1);

    // The override reaches the commission rules: rate 2.5 with the service's minimum and maximum.
    CommissionConfig c = CommissionRules(db_.main()).load(QStringLiteral("S1"), QString(), QStringLiteral("01"));
    EXPECT_EQ(c.payer.rate.text(), QStringLiteral("2.5"));
    EXPECT_EQ(c.payer.min.text(), QStringLiteral("5.00"));
    EXPECT_EQ(c.payer.max.text(), QStringLiteral("50.00"));

    // "Изменить": the row's values preset; the same department's row is updated, not duplicated
    frm.grid()->setCurrentCell(0, 0);
    whenEditShown(edit, [&] {
        EXPECT_EQ(edit->podrBox()->currentText(), QStringLiteral("01"));
        EXPECT_EQ(edit->komisEdit()->text(), QStringLiteral("2,5"));
        edit->maxEdit()->setText(QStringLiteral("40.5"));
        edit->okButton()->click();
    });
    frm.findChild<QPushButton*>(QStringLiteral("edit"))->click();
    ASSERT_EQ(frm.grid()->rowCount(), 1);
    EXPECT_EQ(frm.grid()->item(0, 4)->text(), QStringLiteral("40,5"));
    c = CommissionRules(db_.main()).load(QStringLiteral("S1"), QString(), QStringLiteral("01"));
    EXPECT_EQ(c.payer.max.text(), QStringLiteral("40.50"));

    // "Отмена" stores nothing
    whenEditShown(edit, [&] {
        edit->podrBox()->setCurrentIndex(1);
        edit->komisEdit()->setText(QStringLiteral("9"));
        edit->cancelButton()->click();
    });
    frm.findChild<QPushButton*>(QStringLiteral("add"))->click();
    EXPECT_EQ(count(QStringLiteral("select count(*) from komis_podr")), 1);

    // "Удалить": No keeps the row, Yes deletes it
    frm.grid()->setCurrentCell(0, 0);
    dialogs_.yesNo = {false, true};
    frm.findChild<QPushButton*>(QStringLiteral("del"))->click();
    EXPECT_EQ(count(QStringLiteral("select count(*) from komis_podr")), 1);
    frm.findChild<QPushButton*>(QStringLiteral("del"))->click();
    EXPECT_EQ(dialogs_.questions, (QStringList{QStringLiteral("Удалить запись?"), QStringLiteral("Удалить запись?")}));
    EXPECT_EQ(count(QStringLiteral("select count(*) from komis_podr")), 0);
    EXPECT_EQ(frm.grid()->rowCount(), 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from jrnl where tab_name = 'KOMIS_PODR'")), 3);
}

} // namespace
