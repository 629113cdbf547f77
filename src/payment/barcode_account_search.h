#pragma once
#include <QString>
#include <vector>

class CentralBarcodeLookup;
class Log;
class Transaction;

// What the payment entry window learns from a scanned barcode.
struct BarcodeSearchResult {
    // A row whose LS.BAR_COD is the whole barcode: the client to take, and the address when the row
    // has no client (cur_clnt_id / cur_adr_id); its LS_ID is the scanned account row.
    bool exactMatch = false;
    QString clntId;
    QString adrId;
    // An account cut out of the barcode by a service's account positions.
    bool accountMatch = false;
    QString account; // goes into the account field
    QString kodSrv;
    // scanned_ls_id (empty when nothing matched); scanned_barcode is the barcode searched.
    QString lsId;

    bool found() const { return exactMatch || accountMatch; }
};

// One candidate of the positions search: an account number and the service whose positions cut it.
struct BarcodeCandidate {
    QString account;
    QString kodSrv;
    bool operator==(const BarcodeCandidate&) const = default;
};

// The account search of the payment entry window for a barcode typed while no client or address is
// known: the central server first, then LS.BAR_COD, then every service's account positions.
class BarcodeAccountSearch {
public:
    // `central` may be null (no central server); `log` may be null.
    BarcodeAccountSearch(Transaction& tr, CentralBarcodeLookup* central = nullptr, Log* log = nullptr);

    BarcodeSearchResult search(const QString& barcode);

    // The candidates of the positions search in the order they are tried: per service (in the order
    // the database returns them) and per position of its LS_BARPOS list, the cut item and, for a position
    // whose length is below 10, the same digits without leading zeros.
    std::vector<BarcodeCandidate> candidates(const QString& barcode);

private:
    Transaction& tr_;
    CentralBarcodeLookup* central_;
    Log* log_;
};
