// kvp: the cash-desk workstation "Прием платежей".
//   kvp [--workdir DIR]     (or the environment variable KVP_HOME; else the executable's folder)
#include "core/main_window.h"
#include "core/work_folder.h"
#include "core/workstation.h"
#include <QApplication>
#ifdef KVP_WITH_FISCAL
#include "app/fiscal_register_session.h"
#endif

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Прием платежей"));

    const QStringList args = QApplication::arguments();
    const WorkFolder folder = WorkFolder::fromArguments(args, QApplication::applicationDirPath());
    Workstation::Parts parts;
    parts.arguments = args.mid(1);
#ifdef KVP_WITH_FISCAL
    FiscalRegisterSession* fiscal = nullptr;
    parts.reg = [&](Workstation& w) {
        auto s = std::make_unique<FiscalRegisterSession>(folder.path(), w.log(), w.clock(), w.dialogs());
        fiscal = s.get();
        return s;
    };
    parts.portExists = [&](const QString& port, const QString&) { return fiscal && fiscal->portExists(port); };
#endif
    Workstation ws(folder, std::move(parts));
    ws.mainWindow().show();
    return app.exec();
}
