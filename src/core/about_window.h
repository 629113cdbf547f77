#pragma once
#include <QDialog>

// "о программе": "Прием платежей вер. " and the program's major.minor version; "ОК".
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);
    static QString versionLine();
};
