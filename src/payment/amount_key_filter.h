#pragma once
#include <QObject>
#include <QString>

class QDialog;
class QLineEdit;
class QWidget;

// The key rules of the cash desk's amount fields: Enter moves the focus to the confirming button, Esc
// closes the window, "," and "." give a "," while the value has no fractional part yet, digits and
// backspace pass, every other character is refused, and a backspace on a one-character text leaves "0"
// (selected, so the next digit replaces it).
class AmountKeyFilter : public QObject {
    Q_OBJECT
public:
    enum class Action { Pass, InsertComma, Refuse, SetZero, FocusConfirm, Close };

    // `key` a Qt::Key, `typed` the key's text, `text` the field's text, `remaining` the text that stays
    // when the selection is replaced.
    static Action decide(int key, const QString& typed, const QString& text, const QString& remaining);

    // Filters the keys of `edit`; `confirm` gets the focus on Enter, `window` closes on Esc.
    AmountKeyFilter(QLineEdit* edit, QWidget* confirm, QDialog* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* edit_;
    QWidget* confirm_;
    QDialog* window_;
};
