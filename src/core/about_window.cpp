#include "core/about_window.h"
#include "core/program_version.h"
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QString AboutWindow::versionLine() { return QStringLiteral("Прием платежей вер. ") + program_version_number(); }

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form30"));
    setWindowTitle(QStringLiteral("о программе"));
    auto* label = new QLabel(versionLine(), this);
    label->setObjectName(QStringLiteral("lblVersion"));
    label->setAlignment(Qt::AlignCenter);
    auto* ok = new QPushButton(QStringLiteral("ОК"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setDefault(true);
    auto* v = new QVBoxLayout(this);
    v->addWidget(label);
    v->addWidget(ok, 0, Qt::AlignCenter);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    resize(300, 120);
}
