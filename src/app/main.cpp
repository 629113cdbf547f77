// kvp: the cash-desk workstation "Прием платежей".
//   kvp [--workdir DIR]     (or the environment variable KVP_HOME; else the executable's folder)
#include "core/main_window.h"
#include "core/work_folder.h"
#include "core/workstation.h"
#include <QApplication>
#include <memory>
#ifdef KVP_WITH_FISCAL
#include "app/fiscal_cancellation.h"
#include "app/fiscal_register_session.h"
#include "app/fiscal_shift_operations.h"
#include "app/register_menu.h"
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
    FiscalShiftOperations* shifts = nullptr;
    parts.reg = [&](Workstation& w) {
        auto s = std::make_unique<FiscalRegisterSession>(folder.path(), w.log(), w.clock(), w.dialogs());
        fiscal = s.get();
        return s;
    };
    parts.shifts = [&](Workstation& w) {
        Workstation* ws = &w;
        auto s = std::make_unique<FiscalShiftOperations>(w.state(), w.database(), w.utils(), w.log(), w.clock(),
                                                         w.dialogs(), *fiscal, w.status(), [ws] {
                                                             if (ws->refreshLists)
                                                                 ws->refreshLists();
                                                         });
        shifts = s.get();
        return s;
    };
    parts.portExists = [&](const QString& port, const QString&) { return fiscal && fiscal->portExists(port); };
    parts.cancellation = [&](Workstation&) -> std::unique_ptr<CancellationDevices> {
        return std::make_unique<FiscalCancellationDevices>(*fiscal);
    };
#endif
    Workstation ws(folder, std::move(parts));
#ifdef KVP_WITH_FISCAL
    ws.openDrawer = [&] { open_drawer(*fiscal, ws.state().fr_driver); };
    new RegisterMenu(ws, *fiscal, *shifts); // owned by the main window
#endif
    ws.mainWindow().show();
    return app.exec();
}
