#include "core/menu_state.h"

namespace {
MenuEntry item(const char* id, const char* parent, const char* caption, bool hidden = false, bool sep = false)
{
    return MenuEntry{id, parent, QString::fromUtf8(caption), false, hidden, sep};
}
MenuEntry sub(const char* id, const char* caption, bool hidden = false)
{
    return MenuEntry{id, "", QString::fromUtf8(caption), true, hidden, false};
}
} // namespace

const std::vector<MenuEntry>& menu_table()
{
    using namespace menu;
    static const std::vector<MenuEntry> table = {
        sub(File, "Файл"),
        item(Reconcile, File, "Выполнить сверку платежей", true),
        item(ChangePodr, File, "Сменить подразделение"),
        item(ChangePassword, File, "Изменить пароль"),
        item(ExportPayments, File, "Выгрузка платежей в файл", false, true),
        item(ImportPayments, File, "Загрузка платежей из файла"),
        item(ExportSettings, File, "Выгрузка настроек в файл"),
        item(ImportSettings, File, "Загрузка настроек из файла"),
        item(Exit, File, "Выход", false, true),

        item(EnterPayment, "", "Ввести платеж"),
        item(OpenDrawer, "", "Открыть ящик", true),

        // shown at start-up for every register kind that has one
        sub(Register, "Регистратор", true),
        item(OpenShift, Register, "Открыть смену"),
        item(CloseShift, Register, "Закрыть смену"),
        item(Collection, Register, "Инкассация"),
        item(CashIn, Register, "Внести сумму", true),
        item(XReport, Register, "Отчет без гашения."),
        item(ScreenReport, Register, "Отчет на экран", true),
        item(Correction, Register, "Формирование чека коррекции"),
        item(CalcState, Register, "Информация о состоянии расчетов"),
        item(OfdStatus, Register, "Статус чеков, передаваемых в ОФД"),
        item(Refund, Register, "Оформить возврат", true, true),
        item(RegisterCashCert, Register, "Кассовая справка", true),
        item(EditZReport, Register, "Редактировать Z-отчет", true),

        sub(Pos, "POS терминал", true),
        item(PosCancel, Pos, "Отмена операции"),
        item(PosXReport, Pos, "X - отчет"),
        item(PosZReport, Pos, "Z - отчет"),

        sub(Registry, "Реестр"),
        item(CashCert, Registry, "Кассовая справка"),
        item(CashCertReceipt, Registry, "Кассовая справка на чеке"),
        item(ShiftRegistry1, Registry, "за смену"),
        item(ShiftRegistry2, Registry, "за смену", true),
        item(PeriodReport, Registry, "за период", false, true),
        item(SummaryReport, Registry, "сводный за период"),
        item(PaymentsReport, Registry, "отчет по платежам"),
        item(DocumentsReport, Registry, "справка о документах", true),

        item(AddProvider, "", "Добавить поставщика", true),
        item(BisExport, "", "Выгрузка в БИС"),

        sub(Exchange, "Обмен данными"),
        item(RegistryExport, Exchange, "Выгрузка реестров"),

        item(TextEditor, "", "Текстовый редактор"),

        sub(Directories, "Справочники"),
        item(Payees, Directories, "Получатели"),
        item(PayeeDetails, Directories, "Дополнительные реквизиты получателей", true),
        item(Clients, Directories, "Клиенты"),
        item(Addresses, Directories, "Адреса"),
        item(Accounts, Directories, "Лицевые счета"),
        item(Terrorists, Directories, "Справочник террористов"),
        item(Kbk, Directories, "КБК", true),
        item(Okato, Directories, "ОКАТО", true),

        sub(Admin, "Администрирование"),
        item(Operators, Admin, "Операторы"),
        item(Settings, Admin, "Настройки"),
        item(ExportSetup, Admin, "Настройки выгрузки", false, true),
        item(ExportFormats, Admin, "Форматы выгрузки"),
        item(PaymentDocuments, Admin, "Платежные документы"),
        item(Providers, Admin, "Поставщики", false, true),
        item(PaymentGroups, Admin, "Группы платежей"),
        item(FieldNames, Admin, "Наименование полей"),
        item(Shifts, Admin, "Смены", false, true),
        item(BisExports, Admin, "Выгрузки в БИС"),
        item(ActiveUsers, Admin, "Работающие пользователи"),
        item(ImportData, Admin, "Импорт данных", false, true),
        item(RsExpRuns, Admin, "Рейсы экспорта реестров"),
        item(RsSetup, Admin, "Настройки экспорта реестров"),
        item(RsiSetup, Admin, "Настройки импорта данных поставщиков"),
        item(SmtpSetup, Admin, "Настройки SMTP"),
        item(Journal, Admin, "Журнал изменений", false, true),
        item(TransportSetup, Admin, "Настройки транспорта", true),
        item(UpdateExe, Admin, "Обновить ЕХЕ у пользователей", false, true),
        item(SqlScript, Admin, "SQL скрипт"),
        item(SqlScripts, Admin, "Выполненные скрипты"),
        item(SendReplications, Admin, "Разослать репликации", true),
        item(ExchangeErrors, Admin, "Ошибки обмена данными", true),
        item(RestorePayments, Admin, "Восстановить платежи из журнала", false, true),
        item(PinpadTest, Admin, "Тест пинпада"),
        item(LptTest, Admin, "Тест LPT"),
        item(ImportBanks, Admin, "Импорт справочника банков", false, true),
        item(ImportKladr, Admin, "Импорт КЛАДР"),
        item(ImportTerrorists, Admin, "Импорт справочника террористов"),
        item(ImportOktmo, Admin, "Импорт ОКТМО"),

        sub(Help, "Справка"),
        item(About, Help, "о программе"),
    };
    return table;
}

MenuState::MenuState()
{
    for (const MenuEntry& e : menu_table())
        visible_.insert(QString::fromLatin1(e.id), !e.hiddenAtStart);
}

bool MenuState::visible(const QString& id) const { return visible_.value(id, false); }

void MenuState::set(const QString& id, bool visible)
{
    visible_[id] = visible;
    if (listener_)
        listener_(id, visible);
}
