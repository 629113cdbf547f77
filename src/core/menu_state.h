#pragma once
#include <QHash>
#include <QString>
#include <functional>
#include <vector>

// Object names of the main window's menus and menu items. The main window builds its menu tree from
// menu_table(); every logic class that shows or hides an item does it through MenuState by these names.
namespace menu {
// "Файл"
inline constexpr const char* File = "mnuFile";
inline constexpr const char* Reconcile = "actReconcile";             // "Выполнить сверку платежей"
inline constexpr const char* ChangePodr = "actChangePodr";           // "Сменить подразделение"
inline constexpr const char* ChangePassword = "actChangePassword";   // "Изменить пароль"
inline constexpr const char* ExportPayments = "actExportPayments";   // "Выгрузка платежей в файл"
inline constexpr const char* ImportPayments = "actImportPayments";   // "Загрузка платежей из файла"
inline constexpr const char* ExportSettings = "actExportSettings";   // "Выгрузка настроек в файл"
inline constexpr const char* ImportSettings = "actImportSettings";   // "Загрузка настроек из файла"
inline constexpr const char* Exit = "actExit";                       // "Выход"
// top level
inline constexpr const char* EnterPayment = "actEnterPayment";       // "Ввести платеж"
inline constexpr const char* OpenDrawer = "actOpenDrawer";           // "Открыть ящик"
// "Регистратор"
inline constexpr const char* Register = "mnuRegister";
inline constexpr const char* OpenShift = "actOpenShift";             // "Открыть смену"
inline constexpr const char* CloseShift = "actCloseShift";           // "Закрыть смену"
inline constexpr const char* Collection = "actCollection";           // "Инкассация"
inline constexpr const char* CashIn = "actCashIn";                   // "Внести сумму"
inline constexpr const char* XReport = "actXReport";                 // "Отчет без гашения."
inline constexpr const char* ScreenReport = "actScreenReport";       // "Отчет на экран"
inline constexpr const char* Correction = "actCorrection";           // "Формирование чека коррекции"
inline constexpr const char* CalcState = "actCalcState";             // "Информация о состоянии расчетов"
inline constexpr const char* OfdStatus = "actOfdStatus";             // "Статус чеков, передаваемых в ОФД"
inline constexpr const char* Refund = "actRefund";                   // "Оформить возврат"
inline constexpr const char* RegisterCashCert = "actRegisterCashCert"; // "Кассовая справка" (under "Регистратор")
inline constexpr const char* EditZReport = "actEditZReport";         // "Редактировать Z-отчет"
// "POS терминал"
inline constexpr const char* Pos = "mnuPos";
inline constexpr const char* PosCancel = "actPosCancel";             // "Отмена операции"
inline constexpr const char* PosXReport = "actPosXReport";           // "X - отчет"
inline constexpr const char* PosZReport = "actPosZReport";           // "Z - отчет"
// "Реестр"
inline constexpr const char* Registry = "mnuRegistry";
inline constexpr const char* CashCert = "actCashCert";               // "Кассовая справка"
inline constexpr const char* CashCertReceipt = "actCashCertReceipt"; // "Кассовая справка на чеке"
inline constexpr const char* ShiftRegistry1 = "actShiftRegistry1";   // "за смену" (first variant)
inline constexpr const char* ShiftRegistry2 = "actShiftRegistry2";   // "за смену" (second variant)
inline constexpr const char* PeriodReport = "actPeriodReport";       // "за период"
inline constexpr const char* SummaryReport = "actSummaryReport";     // "сводный за период"
inline constexpr const char* PaymentsReport = "actPaymentsReport";   // "отчет по платежам"
inline constexpr const char* DocumentsReport = "actDocumentsReport"; // "справка о документах"
// top level
inline constexpr const char* AddProvider = "actAddProvider";         // "Добавить поставщика"
inline constexpr const char* BisExport = "actBisExport";             // "Выгрузка в БИС"
// "Обмен данными"
inline constexpr const char* Exchange = "mnuExchange";
inline constexpr const char* RegistryExport = "actRegistryExport";   // "Выгрузка реестров"
inline constexpr const char* TextEditor = "actTextEditor";           // "Текстовый редактор"
// "Справочники"
inline constexpr const char* Directories = "mnuDirectories";
inline constexpr const char* Payees = "actPayees";                   // "Получатели"
inline constexpr const char* PayeeDetails = "actPayeeDetails";       // "Дополнительные реквизиты получателей"
inline constexpr const char* Clients = "actClients";                 // "Клиенты"
inline constexpr const char* Addresses = "actAddresses";             // "Адреса"
inline constexpr const char* Accounts = "actAccounts";               // "Лицевые счета"
inline constexpr const char* Terrorists = "actTerrorists";           // "Справочник террористов"
inline constexpr const char* Kbk = "actKbk";                         // "КБК"
inline constexpr const char* Okato = "actOkato";                     // "ОКАТО"
// "Администрирование"
inline constexpr const char* Admin = "mnuAdmin";
inline constexpr const char* Operators = "actOperators";             // "Операторы"
inline constexpr const char* Settings = "actSettings";               // "Настройки"
inline constexpr const char* ExportSetup = "actExportSetup";         // "Настройки выгрузки"
inline constexpr const char* ExportFormats = "actExportFormats";     // "Форматы выгрузки"
inline constexpr const char* PaymentDocuments = "actPaymentDocuments"; // "Платежные документы"
inline constexpr const char* Providers = "actProviders";             // "Поставщики"
inline constexpr const char* PaymentGroups = "actPaymentGroups";     // "Группы платежей"
inline constexpr const char* FieldNames = "actFieldNames";           // "Наименование полей"
inline constexpr const char* Shifts = "actShifts";                   // "Смены"
inline constexpr const char* BisExports = "actBisExports";           // "Выгрузки в БИС"
inline constexpr const char* ActiveUsers = "actActiveUsers";         // "Работающие пользователи"
inline constexpr const char* ImportData = "actImportData";           // "Импорт данных"
inline constexpr const char* RsExpRuns = "actRsExpRuns";             // "Рейсы экспорта реестров"
inline constexpr const char* RsSetup = "actRsSetup";                 // "Настройки экспорта реестров"
inline constexpr const char* RsiSetup = "actRsiSetup";               // "Настройки импорта данных поставщиков"
inline constexpr const char* SmtpSetup = "actSmtpSetup";             // "Настройки SMTP"
inline constexpr const char* Journal = "actJournal";                 // "Журнал изменений"
inline constexpr const char* TransportSetup = "actTransportSetup";   // "Настройки транспорта"
inline constexpr const char* UpdateExe = "actUpdateExe";             // "Обновить ЕХЕ у пользователей"
inline constexpr const char* SqlScript = "actSqlScript";             // "SQL скрипт"
inline constexpr const char* SqlScripts = "actSqlScripts";           // "Выполненные скрипты"
inline constexpr const char* SendReplications = "actSendReplications"; // "Разослать репликации"
inline constexpr const char* ExchangeErrors = "actExchangeErrors";   // "Ошибки обмена данными"
inline constexpr const char* RestorePayments = "actRestorePayments"; // "Восстановить платежи из журнала"
inline constexpr const char* PinpadTest = "actPinpadTest";           // "Тест пинпада"
inline constexpr const char* LptTest = "actLptTest";                 // "Тест LPT"
inline constexpr const char* ImportBanks = "actImportBanks";         // "Импорт справочника банков"
inline constexpr const char* ImportKladr = "actImportKladr";         // "Импорт КЛАДР"
inline constexpr const char* ImportTerrorists = "actImportTerrorists"; // "Импорт справочника террористов"
inline constexpr const char* ImportOktmo = "actImportOktmo";         // "Импорт ОКТМО"
// "Справка"
inline constexpr const char* Help = "mnuHelp";
inline constexpr const char* About = "actAbout";                     // "о программе"
} // namespace menu

// One entry of the main menu: a menu (with items under it) or an item; `parent` empty for the menu bar.
struct MenuEntry {
    const char* id;
    const char* parent; // "" for the menu bar
    QString caption;
    bool submenu;
    bool hiddenAtStart;
    bool separatorBefore = false;
};
// The whole main menu in display order.
const std::vector<MenuEntry>& menu_table();

// Which menu entries are visible. Starts from the menu table's initial visibility; the main window
// listens and applies every change to its actions.
class MenuState {
public:
    MenuState();
    bool visible(const QString& id) const;
    void set(const QString& id, bool visible);
    void show(const QString& id) { set(id, true); }
    void hide(const QString& id) { set(id, false); }
    // Called with (id, visible) for every change.
    void setListener(std::function<void(const QString&, bool)> listener) { listener_ = std::move(listener); }
    const QHash<QString, bool>& all() const { return visible_; }

private:
    QHash<QString, bool> visible_;
    std::function<void(const QString&, bool)> listener_;
};
