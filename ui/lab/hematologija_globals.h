#pragma once

#include "ui/common/running_instance.h"

#include <QList>
#include <QPointer>
#include <QtGlobal>

class obj_hemanaliza_unos;
class w_hematologija_unos;

// The program's globals of the hematology order window, in declaration order. The application
// object owns them (it derives from this part as from ProgramGlobals); the order window, its
// lines and its price panel reach them through hematologija().
class HematologijaGlobals : public RunningInstance<HematologijaGlobals> {
public:
    QList<QPointer<obj_hemanaliza_unos>> uoo; // the lines of the window, from index 1
    qint16 uoo_broj = 0;
    bool zatvori = false;
    QPointer<::w_hematologija_unos> w_hematologija_unos;
};

// The running program's hematology globals; aborts with a clear message when there are none.
HematologijaGlobals& hematologija();
