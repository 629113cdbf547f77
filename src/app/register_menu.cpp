#include "app/register_menu.h"
#include "app/fiscal_register_session.h"
#include "app/fiscal_shift_operations.h"
#include "core/main_window.h"
#include "core/menu_state.h"
#include "core/status_refresh.h"
#include "core/workstation.h"
#include "fiscal/correction_window.h"
#include "fiscal/lpt_test.h"
#include "fiscal/output_window.h"
#include "payment/amount_document.h"
#include "payment/form20.h"
#include "util/log.h"
#include "util/user_dialogs.h"
#include <QAction>
#include <QDir>

RegisterMenu::RegisterMenu(Workstation& w, FiscalRegisterSession& reg, FiscalShiftOperations& shifts)
    : QObject(&w.mainWindow()), w_(w), reg_(reg), shifts_(shifts)
{
    form2_ = new Form2(w_.log(), w_.dialogs(), QDir(w_.folder().path()).filePath(QStringLiteral("txt")),
                       &w_.mainWindow());
    connectItem(menu::OpenShift, [this] { openShift(); });
    connectItem(menu::CloseShift, [this] { closeShift(); });
    connectItem(menu::Collection, [this] { collection(); });
    connectItem(menu::CashIn, [this] { amountDocument(false); });
    connectItem(menu::Refund, [this] { amountDocument(true); });
    connectItem(menu::XReport, [this] { xReport(); });
    connectItem(menu::ScreenReport, [this] { screenReport(); });
    connectItem(menu::Correction, [this] { correctionReceipt(); });
    connectItem(menu::CalcState, [this] { calculationState(); });
    connectItem(menu::OfdStatus, [this] { unconfirmedDocuments(); });
    connectItem(menu::TextEditor, [this] { textEditor(); });
    connectItem(menu::LptTest, [this] { lptTest(); });
}

RegisterMenu::~RegisterMenu() = default;

void RegisterMenu::connectItem(const char* id, std::function<void()> slot)
{
    if (QAction* a = w_.mainWindow().action(QString::fromLatin1(id)))
        connect(a, &QAction::triggered, this, [slot = std::move(slot)] { slot(); });
}

void RegisterMenu::showLines(const QStringList& lines)
{
    form2_->clear();
    form2_->addLines(lines);
    form2_->exec();
}

void RegisterMenu::openShift()
{
    if (!shifts_.OpenSession())
        w_.mainWindow().close(); // asks "Закрыть программу?" as the cashier's own closing does
}

void RegisterMenu::closeShift() { shifts_.CloseSession(); }

void RegisterMenu::collection()
{
    shifts_.run([](ShiftOperationsService& s) { return s.collection(); });
}

void RegisterMenu::amountDocument(bool refund)
{
    shifts_.pull();
    FiscalPrinter* printer = reg_.printer();
    if (!printer)
        return;
    const AmountDocument::Kind kind = refund ? AmountDocument::Kind::Refund : AmountDocument::Kind::CashIn;
    AmountDocument document(*printer, w_.log(), w_.dialogs());
    document.begin(kind);
    Form20 window(document, &w_.mainWindow());
    window.prepare(kind);
    window.exec();
    w_.status().status_refresh(false, true);
}

void RegisterMenu::xReport()
{
    shifts_.run([](ShiftOperationsService& s) { return s.x_report(); });
}

void RegisterMenu::screenReport()
{
    shifts_.run([this](ShiftOperationsService& s) {
        s.register_totals([this](const std::optional<QStringList>& lines) {
            if (lines) {
                form2_->clear();
                form2_->addLines(*lines);
            }
            form2_->exec();
        });
        return 0;
    });
}

void RegisterMenu::correctionReceipt()
{
    shifts_.run([this](ShiftOperationsService& s) {
        CorrChequeForm window(s, w_.dialogs(), &w_.mainWindow());
        return window.exec();
    });
}

void RegisterMenu::calculationState()
{
    const QStringList lines = shifts_.run([](ShiftOperationsService& s) { return s.calculation_state_report(); });
    showLines(lines);
}

void RegisterMenu::unconfirmedDocuments()
{
    const QStringList lines = shifts_.run([](ShiftOperationsService& s) { return s.unconfirmed_documents_report(); });
    showLines(lines);
}

void RegisterMenu::textEditor()
{
    form2_->clear();
    form2_->exec();
}

void RegisterMenu::lptTest()
{
    const QString port = w_.state().lptport;
    if (port.isEmpty())
        return;
    const QString file = w_.dialogs().openFileName(QStringLiteral("Тест LPT"), w_.folder().path(),
                                                   QStringLiteral("Текстовые файлы (*.txt);;Все файлы (*)"));
    if (file.isEmpty())
        return;
    QString error;
    if (!lpt_test(port, file, &error)) {
        w_.log().writelog(QStringLiteral("Тест LPT: ") + error);
        w_.dialogs().message(error, QString(), UserDialogs::Icon::Error);
    }
}
