#include "core/journal_window.h"
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

JournalWindow::JournalWindow(JournalViewer& viewer, QWidget* parent) : QDialog(parent), viewer_(viewer)
{
    setObjectName(QStringLiteral("JournalWindow"));
    setWindowTitle(QStringLiteral("Запись журнала изменений"));
    resize(600, 480);
    auto* v = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return l;
    };
    number_ = label("lblNumber");
    date_ = label("lblDate");
    time_ = label("lblTime");
    author_ = label("lblAuthor");
    table_ = label("lblTable");
    sql_ = new QPlainTextEdit(this);
    sql_->setObjectName(QStringLiteral("edSql"));
    sql_->setReadOnly(true);
    params_ = new QPlainTextEdit(this);
    params_->setObjectName(QStringLiteral("edParams"));
    params_->setReadOnly(true);
    form->addRow(QStringLiteral("Номер записи"), number_);
    form->addRow(QStringLiteral("Дата записи"), date_);
    form->addRow(QStringLiteral("Время записи"), time_);
    form->addRow(QStringLiteral("SQL запрос:"), sql_);
    form->addRow(QStringLiteral("Изменение внес"), author_);
    form->addRow(QStringLiteral("Таблица"), table_);
    form->addRow(QStringLiteral("Параметры запроса:"), params_);
    v->addLayout(form);
    auto* b = new QHBoxLayout;
    auto* prev = new QPushButton(QStringLiteral("<<"), this);
    prev->setObjectName(QStringLiteral("btnPrev"));
    auto* nxt = new QPushButton(QStringLiteral(">>"), this);
    nxt->setObjectName(QStringLiteral("btnNext"));
    auto* ok = new QPushButton(QStringLiteral("ОК"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    b->addWidget(prev);
    b->addWidget(nxt);
    b->addStretch();
    b->addWidget(ok);
    v->addLayout(b);
    connect(prev, &QPushButton::clicked, this, &JournalWindow::previous);
    connect(nxt, &QPushButton::clicked, this, &JournalWindow::next);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    showCurrent();
}

void JournalWindow::showCurrent()
{
    const JournalEntry e = viewer_.current();
    number_->setText(e.number);
    date_->setText(e.date);
    time_->setText(e.time);
    sql_->setPlainText(e.sql);
    author_->setText(e.author);
    table_->setText(e.table);
    params_->setPlainText(e.params);
}

void JournalWindow::previous()
{
    if (viewer_.previous())
        showCurrent();
}

void JournalWindow::next()
{
    if (viewer_.next())
        showCurrent();
}
