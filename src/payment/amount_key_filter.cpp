#include "payment/amount_key_filter.h"
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>

AmountKeyFilter::Action AmountKeyFilter::decide(int key, const QString& typed, const QString& text,
                                                const QString& remaining)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return Action::FocusConfirm;
    if (key == Qt::Key_Escape)
        return Action::Close;
    if (key == Qt::Key_Backspace)
        return text.size() == 1 ? Action::SetZero : Action::Pass;
    if (typed.isEmpty())
        return Action::Pass; // cursor keys, Delete, Tab: no character is typed
    if (typed.size() != 1)
        return Action::Refuse;
    const QChar c = typed.at(0);
    if (c == QLatin1Char(',') || c == QLatin1Char('.'))
        return remaining.contains(QLatin1Char(',')) || remaining.contains(QLatin1Char('.')) ? Action::Refuse
                                                                                           : Action::InsertComma;
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return Action::Pass;
    return Action::Refuse;
}

AmountKeyFilter::AmountKeyFilter(QLineEdit* edit, QWidget* confirm, QDialog* window)
    : QObject(edit), edit_(edit), confirm_(confirm), window_(window)
{
    edit_->installEventFilter(this);
}

bool AmountKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != edit_ || event->type() != QEvent::KeyPress)
        return false;
    auto* ke = static_cast<QKeyEvent*>(event);
    QString remaining = edit_->text();
    if (edit_->hasSelectedText())
        remaining.remove(edit_->selectionStart(), edit_->selectedText().size());
    switch (decide(ke->key(), ke->text(), edit_->text(), remaining)) {
    case Action::Pass:
        return false;
    case Action::InsertComma:
        edit_->insert(QStringLiteral(","));
        return true;
    case Action::Refuse:
        return true;
    case Action::SetZero:
        edit_->setText(QStringLiteral("0"));
        edit_->selectAll();
        return true;
    case Action::FocusConfirm:
        if (confirm_)
            confirm_->setFocus(Qt::OtherFocusReason);
        return true;
    case Action::Close:
        if (window_)
            window_->reject();
        return true;
    }
    return false;
}
