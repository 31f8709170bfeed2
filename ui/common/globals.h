#pragma once

// The program's globals as the screens reach them. The runtime's built-ins (`sqlca`, `message`,
// `sqlsa`) come from the runtime; the program's own are members of the application object, which
// derives from ProgramGlobals (and from the hematology window's own part, ui/lab), and the
// screens find them through globals() without knowing that object.
#include "runtime/core/builtins.h"
#include "ui/common/running_instance.h"

#include <QPointer>
#include <QtGlobal>

class QWidget;

class ProgramGlobals : public RunningInstance<ProgramGlobals> {
public:
    // In declaration order.
    qint16 rbr_status = 0;
    QPointer<QWidget> mab_la; // the main window
};

// The running program's globals; aborts with a clear message when no application object runs.
ProgramGlobals& globals();
