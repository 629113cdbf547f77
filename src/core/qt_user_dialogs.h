#pragma once
#include "util/user_dialogs.h"

class QWidget;

// The real message boxes, questions, prompts and file dialogs; the caption defaults to the application
// title "Прием платежей".
class QtUserDialogs : public UserDialogs {
public:
    explicit QtUserDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void message(const QString& text, const QString& caption = QString(), Icon icon = Icon::Information) override;
    bool askYesNo(const QString& text, const QString& caption = QString()) override;
    std::optional<QString> askText(const QString& caption, const QString& prompt, const QString& initial = QString(),
                                   bool password = false) override;
    QString openFileName(const QString& caption, const QString& folder, const QString& filter) override;
    QString saveFileName(const QString& caption, const QString& folder, const QString& filter) override;

private:
    QWidget* parent_;
};
