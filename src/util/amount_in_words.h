#pragma once
#include <QString>

// The amount in Russian words: "1234,56" gives " Одна тыс. двести тридцать четыре руб. 56 коп.".
// The text has two decimals; the integer part (up to nine digits) is everything before the last three
// characters. A zero thousands group writes no " тыс." (" Один млн. руб. 00 коп.").
QString amount_in_words(const QString& amount);
