#pragma once
#include "core/payment_list.h"
#include <QDate>
#include <QString>

// The fields of the filter window "Фильтр" and the list conditions they make. Values are bound as
// parameters; an empty field adds no condition.
struct PaymentFilter {
    QString fio;      // "ФИО плательщика"
    QString kod_srv;  // "Поставщик"
    QString kod_org;  // "Получатель"
    QString ndoc;     // "№ квитанции"
    bool by_sum = false;
    QString sum_from, sum_to; // "Сумма от" / "до"
    bool by_date = false;
    QDate date_from, date_to; // "Дата платежа от" / "до"
    bool by_pp_date = false;
    QDate pp_from, pp_to;     // "Дата п/п от" / "до"

    // Empties every field, puts `today` into the four dates and unticks the boxes ("Очистить").
    void clear(const QDate& today);

    // The conditions in the window's order; an empty result restores the day and shift selection.
    // False with `error` set when an amount is not a number.
    bool build(ListFilter* out, QString* error) const;

    static const char* const kServicePickerSql;
    static const char* const kPayeePickerSql;
    static const char* const kClientPickerSql;
};
