#include "fiscal/lpt_test.h"
#include <QByteArrayList>
#include <QFile>

bool lpt_test(const QString& lptport, const QString& file, QString* error)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Не удалось открыть файл ") + file + QStringLiteral(": ") + in.errorString();
        return false;
    }
    const QByteArray bytes = in.readAll();
    QByteArrayList lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) // the file's own last line end
        lines.removeLast();
    QByteArray out;
    for (QByteArray l : lines) {
        if (l.endsWith('\r'))
            l.chop(1);
        out += l + "\r\n";
    }
    QFile port(lptport);
    if (!port.open(QIODevice::WriteOnly | QIODevice::Truncate) || port.write(out) != out.size()) {
        if (error)
            *error = QStringLiteral("Ошибка записи в ") + lptport + QStringLiteral(": ") + port.errorString();
        return false;
    }
    return true;
}
