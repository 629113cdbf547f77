#pragma once
#include <QString>

// The central server's account lookup by barcode ("sbybc"): asks the server for the accounts it knows
// under a barcode and merges its reply into the local tables before the local search runs. The
// exchange layer provides the working implementation; without a central server nothing is asked.
class CentralBarcodeLookup {
public:
    virtual ~CentralBarcodeLookup() = default;
    // Queues and, when online, runs the request. Returns false when nothing was merged (no server,
    // offline, or a failed request); the local search runs either way.
    virtual bool sbybc(const QString& barcode) = 0;

    // The request's name and its parameter text: "bc=" and the URL-encoded UTF-8 barcode.
    static QString requestName() { return QStringLiteral("sbybc"); }
    static QString requestParams(const QString& barcode);
};

// No central server configured.
class NoCentralBarcodeLookup : public CentralBarcodeLookup {
public:
    bool sbybc(const QString&) override { return false; }
};
