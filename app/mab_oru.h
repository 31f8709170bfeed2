#pragma once

#include <QList>
#include <QPointer>
#include <QString>

class mab_la;
class obj_hemanaliza_unos;
class w_hematologija_unos;

// The application object "mab-oru". It creates the runtime's built-in globals, connects the one
// transaction to data source MabZet with AutoCommit off, opens the main window and, at the end,
// destroys the globals again. It also owns the program's own globals, which every screen reaches
// by name through app().
class mab_oru {
public:
    mab_oru();
    ~mab_oru();
    mab_oru(const mab_oru&) = delete;
    mab_oru& operator=(const mab_oru&) = delete;

    void create();
    void open(const QString& commandline);
    void destroy();

    // The constant connection settings; no file, argument or variable changes them.
    static const QString DBMS;
    static const QString DBParm;

    // Globals, in declaration order (the built-ins are in builtins()).
    QList<QPointer<obj_hemanaliza_unos>> uoo; // the lines of the hematology window, from index 1
    qint16 uoo_broj = 0;
    bool zatvori = false;
    qint16 rbr_status = 0;
    QPointer<::mab_la> mab_la;
    QPointer<::w_hematologija_unos> w_hematologija_unos;
};

// The running application object; aborts when there is none.
mab_oru& app();
