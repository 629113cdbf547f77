// The amount window (return and cash deposit) and the change window, offscreen, printing on the
// Shtrih emulator.
#include "../fiscal/fiscal_fixture.h"
#include "payment/amount_document.h"
#include "payment/amount_key_filter.h"
#include "payment/form20.h"
#include "payment/form33.h"
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using Action = AmountKeyFilter::Action;

TEST(AmountKeys, Rules)
{
    struct Case {
        int key;
        QString typed, text, remaining;
        Action action;
    };
    const QList<Case> cases = {
        {Qt::Key_1, QStringLiteral("1"), QStringLiteral("12"), QStringLiteral("12"), Action::Pass},
        {Qt::Key_Period, QStringLiteral("."), QStringLiteral("12"), QStringLiteral("12"), Action::InsertComma},
        {Qt::Key_Comma, QStringLiteral(","), QStringLiteral("12"), QStringLiteral("12"), Action::InsertComma},
        {Qt::Key_Period, QStringLiteral("."), QStringLiteral("12,5"), QStringLiteral("12,5"), Action::Refuse},
        // the selected "0,00" is replaced: its comma does not count
        {Qt::Key_Period, QStringLiteral("."), QStringLiteral("0,00"), QString(), Action::InsertComma},
        {Qt::Key_A, QStringLiteral("a"), QStringLiteral("12"), QStringLiteral("12"), Action::Refuse},
        {Qt::Key_Minus, QStringLiteral("-"), QStringLiteral("12"), QStringLiteral("12"), Action::Refuse},
        {Qt::Key_V, QStringLiteral("\x16"), QStringLiteral("12"), QStringLiteral("12"), Action::Refuse}, // Ctrl+V
        {Qt::Key_Backspace, QStringLiteral("\b"), QStringLiteral("5"), QStringLiteral("5"), Action::SetZero},
        {Qt::Key_Backspace, QStringLiteral("\b"), QStringLiteral("15"), QStringLiteral("15"), Action::Pass},
        {Qt::Key_Return, QStringLiteral("\r"), QStringLiteral("15"), QStringLiteral("15"), Action::FocusConfirm},
        {Qt::Key_Enter, QStringLiteral("\r"), QStringLiteral("15"), QStringLiteral("15"), Action::FocusConfirm},
        {Qt::Key_Escape, QStringLiteral("\x1b"), QStringLiteral("15"), QStringLiteral("15"), Action::Close},
        {Qt::Key_Left, QString(), QStringLiteral("15"), QStringLiteral("15"), Action::Pass},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AmountKeyFilter::decide(c.key, c.typed, c.text, c.remaining), c.action)
            << c.typed.toStdString() << " on " << c.text.toStdString();
}

TEST(AmountWindow, TypingAndConfirming)
{
    FiscalBench b(FrShtrihFiscal);
    AmountDocument doc(*b.printer, b.log, b.dialogs);
    Form20 w(doc);
    w.prepare(AmountDocument::Kind::CashIn);
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Внесение"));
    EXPECT_EQ(w.amount()->text(), QStringLiteral("0,00"));

    QTest::keyClicks(w.amount(), QStringLiteral("12.5"));
    EXPECT_EQ(w.amount()->text(), QStringLiteral("12,5"));
    QTest::keyClicks(w.amount(), QStringLiteral(".x"));
    EXPECT_EQ(w.amount()->text(), QStringLiteral("12,5"));
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(w.amount(), Qt::Key_Backspace);
    EXPECT_EQ(w.amount()->text(), QStringLiteral("0"));
    QTest::keyClick(w.amount(), Qt::Key_Return);
    EXPECT_TRUE(w.okButton()->hasFocus());

    // 0 is refused and the window stays
    w.confirm();
    EXPECT_EQ(b.dialogs.messages, QStringList{QStringLiteral("Введите сумму.")});
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(b.tape().isEmpty());

    w.amount()->setText(QStringLiteral("150"));
    w.confirm();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Accepted);
    const QString tape = b.tape().join(QLatin1Char('\n'));
    EXPECT_TRUE(tape.contains(QStringLiteral("Внесение: "))) << tape.toStdString();
    EXPECT_TRUE(tape.contains(QStringLiteral("Сумм.плат  150.00"))) << tape.toStdString();
    EXPECT_EQ(b.puts(QStringLiteral("CheckType")).last(), QStringLiteral("0"));
    EXPECT_EQ(b.shtrih->cashRegister(241), 15000);
}

TEST(AmountWindow, ReturnAndPrintFailure)
{
    FiscalBench b(FrShtrihFiscal, true, QStringLiteral("[shtrih]\nfault=OpenCheck 115\n"));
    AmountDocument doc(*b.printer, b.log, b.dialogs);
    doc.begin(AmountDocument::Kind::Refund);
    Form20 w(doc);
    w.prepare(AmountDocument::Kind::Refund);
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Возврат"));
    w.amount()->setText(QStringLiteral("20,00"));
    w.confirm();
    EXPECT_EQ(b.dialogs.messages, QStringList{QStringLiteral("Ошибка печати чека.")});
    EXPECT_FALSE(w.isVisible()); // the window closes in any case
    EXPECT_EQ(b.puts(QStringLiteral("CheckType")).last(), QStringLiteral("2"));
    EXPECT_TRUE(b.logLines().contains(QStringLiteral("Возврат")));
}

TEST(ChangeWindow, ChangeAndCancellation)
{
    EXPECT_EQ(Form33::change(QStringLiteral("152,25"), QStringLiteral("200")), QStringLiteral("47,75"));
    EXPECT_EQ(Form33::change(QStringLiteral("152,25"), QStringLiteral("100,5")), QStringLiteral("-51,75"));

    Form33 w;
    w.prepare(QStringLiteral("152,25"), QStringLiteral("1"));
    w.change_cancelled = true; // left over from the last visit
    w.show();
    EXPECT_FALSE(w.change_cancelled);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Расчет сдачи"));
    EXPECT_TRUE(w.cancelButton()->isVisible());
    QTest::keyClicks(w.handed(), QStringLiteral("100"));
    EXPECT_EQ(w.changeField()->text(), QStringLiteral("-52,25"));
    w.continueButton()->click(); // too little handed over still goes on
    EXPECT_FALSE(w.change_cancelled);
    EXPECT_EQ(w.result(), QDialog::Accepted);

    w.prepare(QStringLiteral("10,00"), QStringLiteral("1"));
    w.show();
    w.cancelButton()->click();
    EXPECT_TRUE(w.change_cancelled);

    w.prepare(QStringLiteral("10,00"), QStringLiteral("1"));
    w.show();
    EXPECT_FALSE(w.change_cancelled);
    QTest::keyClick(w.handed(), Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(w.change_cancelled);

    w.prepare(QStringLiteral("10,00"), QStringLiteral("2")); // after printing: informs only
    w.show();
    EXPECT_FALSE(w.cancelButton()->isVisible());
}
