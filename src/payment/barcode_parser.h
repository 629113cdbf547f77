#pragma once
#include "util/money.h"
#include <QString>
#include <optional>

class Transaction;

// The barcode positions of the service chosen in the payment parameters window.
struct BarcodePositions {
    QString lsBarpos;  // LS_BARPOS (only its part before the first "," is used)
    QString sumBarpos; // SUM_BARPOS
    QString perBarpos; // PER_BARPOS
};

// What a barcode gives the payment parameters window. Empty items leave their fields alone.
struct BarcodeParseResult {
    // A service was found by its identifier (only when none was chosen): set KOD_SRV, reload the
    // services, payees and service settings, then the panels and the purpose.
    bool serviceFound = false;
    QString kodSrv;
    BarcodePositions positions; // the positions used

    std::optional<QString> account; // into `ls` (NOM_AB), then the purpose
    std::optional<Money> amount;    // into `sum`, then the sums are recomputed
    QString amountText;             // the amount as the field shows it: "123.45", "12"
    std::optional<QString> period;  // into `mes`
};

// Reads a scanned barcode in the payment parameters window.
class BarcodeParser {
public:
    explicit BarcodeParser(Transaction& tr) : tr_(tr) {}

    // kodSrv: the service already chosen (empty when none), with its positions.
    BarcodeParseResult parse(const QString& barcode, const QString& kodSrv, const BarcodePositions& positions);

    // The first unblocked payable service whose identifier item equals its SERVICE_ID.
    std::optional<std::pair<QString, BarcodePositions>> findService(const QString& barcode);

    // An amount item in kopecks as roubles in the general format with a decimal point (12345 -> 123.45).
    static QString amountText(Money m);

private:
    Transaction& tr_;
};
