#pragma once
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

// Messages, questions, prompts and file choices the logic puts to the person at the desk. The program
// shows real message boxes; tests answer from a script and read what was asked.
class UserDialogs {
public:
    enum class Icon { Information, Warning, Error, Question };
    virtual ~UserDialogs() = default;
    virtual void message(const QString& text, const QString& caption = QString(), Icon icon = Icon::Information) = 0;
    virtual bool askYesNo(const QString& text, const QString& caption = QString()) = 0;
    // Nothing when the person cancels.
    virtual std::optional<QString> askText(const QString& caption, const QString& prompt, const QString& initial = QString(),
                                           bool password = false) = 0;
    virtual QString openFileName(const QString& caption, const QString& folder, const QString& filter) = 0;
    virtual QString saveFileName(const QString& caption, const QString& folder, const QString& filter) = 0;
};

// A scripted person: answers come from queues (then from defaults), every question is recorded.
class ScriptedDialogs : public UserDialogs {
public:
    void message(const QString& text, const QString& caption = QString(), Icon icon = Icon::Information) override;
    bool askYesNo(const QString& text, const QString& caption = QString()) override;
    std::optional<QString> askText(const QString& caption, const QString& prompt, const QString& initial = QString(),
                                   bool password = false) override;
    QString openFileName(const QString& caption, const QString& folder, const QString& filter) override;
    QString saveFileName(const QString& caption, const QString& folder, const QString& filter) override;

    std::deque<bool> yesNo;                      // answers to askYesNo; defaultYes when empty
    std::deque<std::optional<QString>> texts;    // answers to askText; nothing when empty
    std::deque<QString> files;                   // answers to the file choices; empty when none
    bool defaultYes = false;

    QStringList messages;  // texts of message()
    QStringList questions; // texts of askYesNo() and prompts of askText()
    QStringList asked() const { return messages + questions; }
    void clear() { messages.clear(); questions.clear(); }
};
