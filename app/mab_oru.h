#pragma once

#include "ui/common/globals.h"

#include <QString>

#include <memory>

class FontDatabaseFill;
class Transaction;
class mab_la;

// The application object "mab-oru". It creates the message object and the one transaction,
// connects the transaction to data source MabZet with AutoCommit off, opens the main window with
// it and, at the end, destroys both again. The screens are handed the transaction when they are
// made; none reaches it as a global. It owns the program's own globals (its ProgramGlobals part),
// which the screens reach through globals() and the tests through app().
class mab_oru : public ProgramGlobals {
public:
    mab_oru();
    ~mab_oru();

    void create();
    void open(const QString& commandline);
    void destroy();

    // The global `mab_la` as the main window it holds.
    ::mab_la* glavniProzor() const;
    // The program's one connection (`sqlca`), from create until destroy.
    Transaction* transakcija() const { return m_sqlca.get(); }

    // The program's fixed database login (scripts/common.sh holds the same pair as MAB_LOGIN).
    struct DatabaseLogin {
        const char* user;
        const char* password;
    };
    static constexpr DatabaseLogin Login{"kiro", "qdxw"};

    // The constant connection settings; no file, argument or variable changes them.
    static const QString DBMS;
    static const QString DBParm;

private:
    std::unique_ptr<FontDatabaseFill> m_fontDatabaseFill;
    std::unique_ptr<Transaction> m_sqlca;
};

// The running application object; aborts when there is none.
mab_oru& app();
