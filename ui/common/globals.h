#pragma once

// The program's globals as the screens reach them. The runtime's built-ins (`sqlca`, `message`,
// `sqlsa`) come from the runtime; the program's own (`uoo`, `uoo_broj`, `zatvori`, `rbr_status`,
// `mab_la`, `w_hematologija_unos`) are members of the application object, which derives from
// ProgramGlobals, and the screens find them through globals() without knowing that object.
#include "runtime/core/builtins.h"

#include <QList>
#include <QPointer>
#include <QtGlobal>

class mab_la;
class obj_hemanaliza_unos;
class w_hematologija_unos;

class ProgramGlobals {
public:
    ProgramGlobals();
    ~ProgramGlobals();
    ProgramGlobals(const ProgramGlobals&) = delete;
    ProgramGlobals& operator=(const ProgramGlobals&) = delete;

    // In declaration order.
    QList<QPointer<obj_hemanaliza_unos>> uoo; // the lines of the hematology window, from index 1
    qint16 uoo_broj = 0;
    bool zatvori = false;
    qint16 rbr_status = 0;
    QPointer<::mab_la> mab_la;
    QPointer<::w_hematologija_unos> w_hematologija_unos;
};

// The running program's globals; aborts with a clear message when no application object runs.
ProgramGlobals& globals();
