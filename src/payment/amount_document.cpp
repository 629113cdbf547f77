#include "payment/amount_document.h"
#include "fiscal/fiscal_printer.h"
#include "util/log.h"
#include "util/user_dialogs.h"

AmountDocument::AmountDocument(FiscalPrinter& printer, Log& log, UserDialogs& dialogs)
    : printer_(printer), log_(log), dialogs_(dialogs)
{
}

QString AmountDocument::caption(Kind kind)
{
    return kind == Kind::Refund ? QStringLiteral("Возврат") : QStringLiteral("Внесение");
}

std::optional<AmountDocument::Kind> AmountDocument::kindOf(const QString& caption)
{
    if (caption == QStringLiteral("Возврат"))
        return Kind::Refund;
    if (caption == QStringLiteral("Внесение"))
        return Kind::CashIn;
    return std::nullopt;
}

std::optional<Money> AmountDocument::parse(const QString& text)
{
    QString t = text.trimmed();
    if (t.endsWith(QLatin1Char(',')) || t.endsWith(QLatin1Char('.')))
        t.chop(1);
    if (t.isEmpty())
        return Money();
    return Money::parse(t);
}

void AmountDocument::begin(Kind kind)
{
    log_.writelog(caption(kind));
    printer_.fr_connect();
}

AmountDocument::Result AmountDocument::confirm(Kind kind, const QString& amount_text)
{
    const std::optional<Money> amount = parse(amount_text);
    if (!amount || amount->isZero() || amount->kopecks() < 0) {
        dialogs_.message(QStringLiteral("Введите сумму."));
        return Result::NeedAmount;
    }
    printer_.receipt_extra_lines.clear();
    ReceiptData r;
    r.text = caption(kind) + QStringLiteral(": ");
    r.amount = amount->toString();
    r.commission = QStringLiteral("0");
    r.last = true;
    r.check2 = QStringLiteral("0");
    r.receipt_mode = true;
    r.doc_type = kind == Kind::Refund ? 2 : 0;
    int code = 0;
    const int error = printer_.print_receipt(r, code);
    log_.writelog(caption(kind) + QStringLiteral(" ") + r.amount + QStringLiteral(", результат печати: ")
                  + QString::number(code));
    if (error != 0 || code != 0) {
        dialogs_.message(QStringLiteral("Ошибка печати чека."), QString(), UserDialogs::Icon::Error);
        return Result::PrintFailed;
    }
    return Result::Printed;
}
