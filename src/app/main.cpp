// kvp: the cash-desk workstation "Прием платежей".
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Прием платежей"));
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("Прием платежей"));
    w.resize(1024, 700);
    w.show();
    return app.exec();
}
