// The value picker's directory panel and its Delete key, on a real database, offscreen.
#include "core/value_picker.h"
#include "core/value_picker_logic.h"
#include "db/database.h"
#include "db/db_utils.h"
#include "db/query.h"
#include "test_database.h"
#include "util/log.h"
#include "util/user_dialogs.h"
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {
struct PickerFixture {
    QTemporaryDir dir;
    Log log{dir.path()};
    Database db;
    DbUtils utils{db, log};
    ScriptedDialogs dialogs;
    PickerFixture()
    {
        static int n = 0;
        db.attach(TestDatabase::shared().freshCopy(QStringLiteral("picker_%1.fdb").arg(++n)), QStringLiteral("SYSDBA"),
                  QStringLiteral("x"));
        utils.setOperatorSource([] { return QStringLiteral("1"); });
    }
    QString value(const QString& sql)
    {
        const QString v = utils.sql_value(sql);
        db.main().commit();
        return v;
    }
};

const char* kKbkSql = "SELECT KBK,PRIM1,SOCR FROM KBK WHERE COALESCE(PRIM1,'') STARTING WITH :FLT ORDER BY KBK";
const char* kOkatoSql = "SELECT OKATO,SOCR,NAME FROM OKATO2 WHERE COALESCE(NAME,'') STARTING WITH :FLT ORDER BY OKATO";
} // namespace

TEST(ValuePicker, KbkPanelAddsReplacesAndRefusesBadCodes)
{
    PickerFixture f;
    ValuePickerLogic logic(f.db.main(), QString::fromLatin1(kKbkSql));
    logic.journal = &f.utils;
    logic.open();
    ASSERT_EQ(logic.directory(), ValuePickerLogic::Directory::Kbk);
    const int before = logic.model().rows();

    // a code that is not 20 digits is refused without a question
    EXPECT_FALSE(logic.addDirectoryRow(f.dialogs, QStringLiteral("1821010"), QStringLiteral("x"), QStringLiteral("y")));
    EXPECT_TRUE(f.dialogs.questions.isEmpty());
    EXPECT_EQ(f.dialogs.messages.size(), 1);

    const QString code = QStringLiteral("18210102010011000110");
    f.dialogs.yesNo = {true};
    EXPECT_TRUE(logic.addDirectoryRow(f.dialogs, code, QStringLiteral("НДФЛ"), QStringLiteral("НДФЛ сокр.")));
    EXPECT_EQ(f.dialogs.questions, QStringList{QStringLiteral("Добавить КБК в справочник?")});
    EXPECT_EQ(logic.model().rows(), before + 1);
    EXPECT_EQ(f.value(QStringLiteral("SELECT PRIM1 FROM KBK WHERE KBK='18210102010011000110'")), QStringLiteral("НДФЛ"));
    EXPECT_EQ(f.value(QStringLiteral("SELECT TAB_NAME FROM JRNL WHERE PRMS CONTAINING '18210102010011000110'")),
              QStringLiteral("KBK"));

    // an existing code is replaced only after the second question
    f.dialogs.clear();
    f.dialogs.yesNo = {true, false};
    EXPECT_FALSE(logic.addDirectoryRow(f.dialogs, code, QStringLiteral("другое"), QString()));
    EXPECT_EQ(f.dialogs.questions.last(), QStringLiteral("Данный КБК уже существует в справочнике, заменить?"));
    EXPECT_EQ(f.value(QStringLiteral("SELECT PRIM1 FROM KBK WHERE KBK='18210102010011000110'")), QStringLiteral("НДФЛ"));
    f.dialogs.yesNo = {true, true};
    EXPECT_TRUE(logic.addDirectoryRow(f.dialogs, code, QStringLiteral("другое"), QString()));
    EXPECT_EQ(f.value(QStringLiteral("SELECT PRIM1 FROM KBK WHERE KBK='18210102010011000110'")), QStringLiteral("другое"));
}

TEST(ValuePicker, OkatoPanelAndDeleteKeyInTheWindow)
{
    PickerFixture f;
    ValuePickerLogic logic(f.db.main(), QString::fromLatin1(kOkatoSql));
    logic.journal = &f.utils;
    logic.open();
    Form37 w(logic, f.dialogs);
    w.show();
    auto* code = w.findChild<QLineEdit*>(QStringLiteral("edCode"));
    ASSERT_NE(code, nullptr);
    code->setText(QStringLiteral("99901000000"));
    w.findChild<QLineEdit*>(QStringLiteral("edText1"))->setText(QStringLiteral("г"));
    w.findChild<QLineEdit*>(QStringLiteral("edText2"))->setText(QStringLiteral("Тестоград"));
    f.dialogs.yesNo = {true};
    w.findChild<QPushButton*>(QStringLiteral("btnAdd"))->click();
    EXPECT_EQ(f.dialogs.questions, QStringList{QStringLiteral("Добавить ОКАТО в справочник?")});
    EXPECT_EQ(f.value(QStringLiteral("SELECT NAME FROM OKATO2 WHERE OKATO='99901000000'")), QStringLiteral("Тестоград"));

    // Delete on the new row asks and deletes it by its code
    int row = -1;
    for (int r = 0; r < logic.model().rows(); ++r)
        if (logic.model().text(r, 0) == QStringLiteral("99901000000"))
            row = r;
    ASSERT_GE(row, 0);
    w.grid()->setCurrentIndex(logic.model().index(row, 0));
    f.dialogs.clear();
    f.dialogs.yesNo = {false};
    QTest::keyClick(w.grid(), Qt::Key_Delete);
    EXPECT_EQ(f.dialogs.questions, QStringList{QStringLiteral("Удалить запись 99901000000?")});
    EXPECT_EQ(f.value(QStringLiteral("SELECT COUNT(*) FROM OKATO2 WHERE OKATO='99901000000'")), QStringLiteral("1"));
    f.dialogs.yesNo = {true};
    QTest::keyClick(w.grid(), Qt::Key_Delete);
    EXPECT_EQ(f.value(QStringLiteral("SELECT COUNT(*) FROM OKATO2 WHERE OKATO='99901000000'")), QStringLiteral("0"));
}
