#include "util/user_dialogs.h"

void ScriptedDialogs::message(const QString& text, const QString&, Icon) { messages << text; }

bool ScriptedDialogs::askYesNo(const QString& text, const QString&)
{
    questions << text;
    if (yesNo.empty())
        return defaultYes;
    const bool a = yesNo.front();
    yesNo.pop_front();
    return a;
}

std::optional<QString> ScriptedDialogs::askText(const QString&, const QString& prompt, const QString&, bool)
{
    questions << prompt;
    if (texts.empty())
        return std::nullopt;
    auto a = texts.front();
    texts.pop_front();
    return a;
}

QString ScriptedDialogs::openFileName(const QString& caption, const QString&, const QString&)
{
    questions << caption;
    if (files.empty())
        return QString();
    QString f = files.front();
    files.pop_front();
    return f;
}

QString ScriptedDialogs::saveFileName(const QString& caption, const QString& folder, const QString& filter)
{
    return openFileName(caption, folder, filter);
}
