#pragma once
#include <QString>
#include <QStringList>

class Database;

// One record of the change journal as the viewer "Запись журнала изменений" shows it.
struct JournalEntry {
    QString number; // "Номер записи"
    QString date;   // "Дата записи"
    QString time;   // "Время записи"
    QString sql;    // "SQL запрос:"
    QString author; // "Изменение внес"
    QString table;  // "Таблица"
    QString params; // "Параметры запроса:"
};

// The journal list and the viewer's navigation over it ("<<" and ">>" stop at the ends).
class JournalViewer {
public:
    static const char* const kListSql;
    static const char* const kRecordSql;

    explicit JournalViewer(Database& db) : db_(db) {}
    // The list in the order the journal window shows it (newest first): JR_UID of each row.
    QStringList loadList();
    void setList(const QStringList& ids, int current);
    JournalEntry read(const QString& jrUid);
    JournalEntry current();
    bool previous(); // false at the first row
    bool next();     // false at the last row
    int position() const { return pos_; }

private:
    Database& db_;
    QStringList ids_;
    int pos_ = -1;
};
