#pragma once
#include "core/database_shifts.h"
#include "core/register_session.h"
#include "core/working_state.h"
#include <QMap>
#include <QStringList>

// A register for start-up tests: answers fr_connect per port, reports the shift state it is given and
// records every call.
class TestRegister : public RegisterSession {
public:
    QMap<QString, int> answers; // fr_port -> fr_connect result
    int defaultAnswer = 0;
    int primState = 0;          // GetShiftState
    bool atolOpen = false;      // SessionOpened
    int ecrMode = 4;            // ECRMode
    bool createOk = true;
    QStringList calls;

    void configure(const WorkingState& ws) override { port_ = ws.fr_port; }
    bool create_driver() override { calls << QStringLiteral("create_driver"); return createOk; }
    int fr_connect(const QString& = QString()) override
    {
        calls << QStringLiteral("fr_connect ") + port_;
        return answers.value(port_, defaultAnswer);
    }
    void fr_disconnect() override { calls << QStringLiteral("fr_disconnect"); }
    int prim_shift_state() override { return primState; }
    bool atol_session_opened() override { return atolOpen; }
    int shtrih_ecr_mode() override { return ecrMode; }
    void release_driver() override { calls << QStringLiteral("release_driver"); }

private:
    QString port_;
};

// The database shift operations, recording what start-up asked for.
class RecordingShifts : public DatabaseShiftOperations {
public:
    using DatabaseShiftOperations::DatabaseShiftOperations;
    QStringList calls;
    bool OpenSession() override { calls << QStringLiteral("OpenSession"); return DatabaseShiftOperations::OpenSession(); }
    void CloseSession() override { calls << QStringLiteral("CloseSession"); DatabaseShiftOperations::CloseSession(); }
};
