#pragma once

#include "ui/common/globals.h"
#include "ui/lab/hematologija_globals.h"

#include <QString>

#include <memory>

class FontDatabaseFill;
class mab_la;

// The application object "mab-oru". It creates the runtime's built-in globals, connects the one
// transaction to data source MabZet with AutoCommit off, opens the main window and, at the end,
// destroys the globals again. It owns the program's own globals (its ProgramGlobals part, and the
// hematology window's HematologijaGlobals), which the screens reach through globals() and
// hematologija() and the tests through app().
class mab_oru : public ProgramGlobals, public HematologijaGlobals {
public:
    mab_oru();
    ~mab_oru();

    void create();
    void open(const QString& commandline);
    void destroy();

    // The global `mab_la` as the main window it holds.
    ::mab_la* glavniProzor() const;

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
};

// The running application object; aborts when there is none.
mab_oru& app();
