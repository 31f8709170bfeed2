#pragma once

// The program's globals as the screens reach them. The runtime's built-in `message` comes from the
// runtime; the program's own are members of the application object, which derives from
// ProgramGlobals (and from the hematology window's own part, ui/lab), and the screens find them
// through globals() without knowing that object. State that belongs to one page lives in that page
// (the address book's `rbr_status`, say), and the connection is handed to the pages that use it.
#include "runtime/core/builtins.h"
#include "ui/common/running_instance.h"

#include <QPointer>
#include <QtGlobal>

class QWidget;

class ProgramGlobals : public RunningInstance<ProgramGlobals> {
public:
    QPointer<QWidget> mab_la; // the main window
};

// The running program's globals; aborts with a clear message when no application object runs.
ProgramGlobals& globals();
