#include "db/script_runner.h"
#include "db/database.h"
#include <QRegularExpression>

namespace {
bool isIsqlCommand(const QString& stmt)
{
    static const QRegularExpression re(
        QStringLiteral("^SET\\s+(SQL\\s+DIALECT|NAMES|AUTODDL|ECHO|BAIL|LIST|HEADING|PLANONLY|COUNT|STATS|WARNINGS|"
                       "BLOBDISPLAY|TIME|WIDTH|PLAN|ROWCOUNT)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return re.match(stmt).hasMatch();
}
} // namespace

QStringList split_script(const QString& script)
{
    QStringList out;
    QString term = QStringLiteral(";");
    QString cur;
    const qsizetype n = script.size();
    qsizetype i = 0;
    static const QRegularExpression setTerm(QStringLiteral("^\\s*SET\\s+TERM\\s+(\\S+)\\s*$"),
                                            QRegularExpression::CaseInsensitiveOption);
    auto flush = [&](const QString& stmt) {
        const QString s = stmt.trimmed();
        if (s.isEmpty())
            return;
        auto m = setTerm.match(s);
        if (m.hasMatch()) {
            term = m.captured(1);
            return;
        }
        if (isIsqlCommand(s))
            return;
        out << s;
    };
    while (i < n) {
        const QChar c = script[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            qsizetype j = i + 1;
            while (j < n) {
                if (script[j] == c) {
                    if (j + 1 < n && script[j + 1] == c) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            cur += script.mid(i, j - i + 1);
            i = j + 1;
        } else if (c == QLatin1Char('-') && i + 1 < n && script[i + 1] == QLatin1Char('-')) {
            qsizetype j = script.indexOf(QLatin1Char('\n'), i);
            if (j < 0)
                j = n;
            i = j;
        } else if (c == QLatin1Char('/') && i + 1 < n && script[i + 1] == QLatin1Char('*')) {
            qsizetype j = script.indexOf(QStringLiteral("*/"), i + 2);
            j = j < 0 ? n : j + 2;
            // comments inside a trigger body stay with it; a comment between statements is dropped
            if (!cur.trimmed().isEmpty())
                cur += script.mid(i, j - i);
            i = j;
        } else if (script.mid(i, term.size()) == term) {
            // "SET TERM ^ ;" ends with the old terminator
            flush(cur);
            cur.clear();
            i += term.size();
        } else {
            cur += c;
            ++i;
        }
    }
    flush(cur);
    return out;
}

ScriptResult ScriptRunner::run(const QString& script)
{
    ScriptResult r;
    Transaction tr(db_);
    for (const QString& stmt : split_script(script)) {
        const QString head = stmt.left(80).simplified();
        if (stmt.compare(QStringLiteral("COMMIT"), Qt::CaseInsensitive) == 0 ||
            stmt.compare(QStringLiteral("COMMIT WORK"), Qt::CaseInsensitive) == 0) {
            tr.commit();
            continue;
        }
        try {
            tr.executeImmediate(stmt);
            tr.commit();
            ++r.executed;
            r.log += head + QStringLiteral(" - OK\n");
        } catch (const DbError& e) {
            tr.rollback();
            r.ok = false;
            r.failedStatement = stmt;
            r.error = e.message();
            r.log += head + QStringLiteral(" - ") + e.message() + QLatin1Char('\n');
            break;
        }
    }
    return r;
}
