#pragma once
#include "util/money.h"
#include <QString>
#include <optional>

class FiscalPrinter;
class Log;
class UserDialogs;

// The stand-alone fiscal document of the amount window: a return ("Возврат") or a cash deposit
// ("Внесение") of an amount the cashier types, not linked to any stored payment.
class AmountDocument {
public:
    enum class Kind { Refund, CashIn };
    enum class Result { NeedAmount, Printed, PrintFailed };

    AmountDocument(FiscalPrinter& printer, Log& log, UserDialogs& dialogs);

    // "Возврат" / "Внесение": the window's caption, the log line and the receipt text before ": ".
    static QString caption(Kind kind);
    static std::optional<Kind> kindOf(const QString& caption);
    // The typed amount (a "," or "." separator, a trailing separator allowed); nothing when not a number.
    static std::optional<Money> parse(const QString& text);

    // Before the window opens: the log line and the register connection.
    void begin(Kind kind);
    // "ОК": 0 asks "Введите сумму." (the window stays); otherwise the document is printed, a failure shows
    // "Ошибка печати чека.".
    Result confirm(Kind kind, const QString& amount_text);

private:
    FiscalPrinter& printer_;
    Log& log_;
    UserDialogs& dialogs_;
};
