#include "core/value_picker_logic.h"

ValuePickerLogic::ValuePickerLogic(Transaction& tr, QString sql, QVariantMap params)
    : tr_(tr), sql_(std::move(sql)), params_(std::move(params))
{
}

QString ValuePickerLogic::upper(const QString& s)
{
    QString out = s;
    for (QChar& c : out)
        if (c.unicode() >= 0x0430 && c.unicode() <= 0x044F)
            c = QChar(c.unicode() - 0x20);
    return out;
}

QString ValuePickerLogic::firstColumn() const
{
    const QStringList c = model_.columnNames();
    return c.isEmpty() ? QString() : c.first().toUpper();
}

void ValuePickerLogic::run()
{
    QVariantMap p = params_;
    p.insert(QStringLiteral("FLT"), upper(filter_));
    model_.load(tr_, sql_, p);
}

void ValuePickerLogic::open()
{
    filter_.clear();
    run();
}

void ValuePickerLogic::setFilter(const QString& text, const QString& dom, const QString& kv)
{
    filter_ = text;
    const QString first = firstColumn();
    if (first == QLatin1String("ID"))
        return;
    if (first == QLatin1String("ADR_ID")) {
        if (dom.isEmpty())
            return;
        params_.insert(QStringLiteral("DOM"), dom);
        params_.insert(QStringLiteral("KV"), kv);
    }
    run();
}
