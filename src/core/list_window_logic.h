#pragma once
#include "core/row_set.h"
#include <QString>

class Database;
class DbUtils;
class UserDialogs;

// The generic list window: one grid on a statement; what F1, Delete and a double click do depends on
// the name of the first column.
class ListWindowLogic {
public:
    ListWindowLogic(Database& db, DbUtils& utils, UserDialogs& dialogs, QString caption, QString sql,
                    QVariantMap params = {});

    QString caption() const { return caption_; }
    RowSetModel& model() { return model_; }
    // Throws DbError.
    void open();
    QString firstColumn() const;
    QString key(int row) const { return model_.text(row, 0); }

    // Delete: asks "Удалить запись <key>?", deletes by the first column, journals and reopens. False when
    // nothing was deleted (no rule for the column, No, or a database error, which is shown).
    bool remove(int row);
    // The statement that deletes by the first column and its table; empty when the list has none.
    static bool deleteRule(const QString& column, QString* sql, QString* table);

    enum class DoubleClick { None, Journal, Payments, Choose };
    DoubleClick doubleClick() const;
    // The payments of the export or shift in `row` ("Платежи").
    QString paymentsSql() const;
    // F1 on an export list: the export's report text; empty for other lists.
    QString reportText(int row);

    // A list opened to choose a payee (first column KOD_ORG): a double click returns the code.
    bool choosing = false;

    static const char* const kBisExportsSql;
    static const char* const kShiftsSql;
    static const char* const kOkatoSql;
    static const char* const kActiveUsersSql;

private:
    Database& db_;
    DbUtils& utils_;
    UserDialogs& dialogs_;
    QString caption_;
    QString sql_;
    QVariantMap params_;
    RowSetModel model_;
};
