#include "core/qt_user_dialogs.h"
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {
QString captionOr(const QString& c)
{
    if (!c.isEmpty())
        return c;
    const QString app = QApplication::applicationName();
    return app.isEmpty() ? QStringLiteral("Прием платежей") : app;
}
} // namespace

void QtUserDialogs::message(const QString& text, const QString& caption, Icon icon)
{
    QMessageBox::Icon i = QMessageBox::Information;
    switch (icon) {
    case Icon::Information: i = QMessageBox::NoIcon; break;
    case Icon::Warning: i = QMessageBox::Warning; break;
    case Icon::Error: i = QMessageBox::Critical; break;
    case Icon::Question: i = QMessageBox::Question; break;
    }
    QMessageBox box(i, captionOr(caption), text, QMessageBox::Ok, parent_);
    box.setObjectName(QStringLiteral("messageBox"));
    box.exec();
}

bool QtUserDialogs::askYesNo(const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::Question, captionOr(caption), text, QMessageBox::Yes | QMessageBox::No, parent_);
    box.setObjectName(QStringLiteral("questionBox"));
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtUserDialogs::askText(const QString& caption, const QString& prompt, const QString& initial,
                                              bool password)
{
    bool ok = false;
    const QString t = QInputDialog::getText(parent_, captionOr(caption), prompt,
                                            password ? QLineEdit::Password : QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return t;
}

QString QtUserDialogs::openFileName(const QString& caption, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent_, captionOr(caption), folder, filter);
}

QString QtUserDialogs::saveFileName(const QString& caption, const QString& folder, const QString& filter)
{
    return QFileDialog::getSaveFileName(parent_, captionOr(caption), folder, filter);
}
