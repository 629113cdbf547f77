#pragma once
#include "core/row_set.h"
#include <QString>
#include <QVariantMap>

class DbUtils;
class Transaction;
class UserDialogs;

// The value picker "Выберите значение двойным щелчком": a statement with the filter parameter :FLT,
// rerun with the typed text (Cyrillic small letters made capitals). A list whose first column is ID is
// not refiltered; an address list (first column ADR_ID) only while the house filter is filled.
class ValuePickerLogic {
public:
    ValuePickerLogic(Transaction& tr, QString sql, QVariantMap params = {});

    // Opens with an empty filter; throws DbError.
    void open();
    // The filter text "Найти: " changed (and the house and flat filters of an address list).
    void setFilter(const QString& text, const QString& dom = QString(), const QString& kv = QString());
    QString filter() const { return filter_; }
    RowSetModel& model() { return model_; }
    QString firstColumn() const;

    // Cyrillic small letters а-я to capitals.
    static QString upper(const QString& s);

    // The directory a list of this kind adds rows to: by its first column KBK or OKATO.
    enum class Directory { None, Kbk, Okato };
    Directory directory() const;
    // Adds (or, after the question, replaces) a directory row from the bottom panel: a KBK of 20 digits
    // with "Расшиф." and "Сокр. расш.", or an OKATO of 11 digits with "Тип" and "Наим."; asks first,
    // commits, journals and reruns the list. False when nothing was stored.
    bool addDirectoryRow(UserDialogs& dialogs, const QString& code, const QString& text1, const QString& text2);
    // Delete on a row: lists of clients (CLNT_ID), KBK and OKATO delete the row by their first column after
    // "Удалить запись <key>?". False when nothing was deleted.
    bool deleteRow(UserDialogs& dialogs, int row);
    // Administrative changes are journalled through this when it is set.
    DbUtils* journal = nullptr;

private:
    void run();
    bool execute(const QString& sql, const QVariantMap& params, const QString& table, UserDialogs& dialogs);

    Transaction& tr_;
    QString sql_;
    QVariantMap params_;
    QString filter_;
    RowSetModel model_;
};
