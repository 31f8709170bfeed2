#pragma once

#include "domain/reception/poseta_sql.h"
#include "runtime/widgets/window.h"

#include <optional>

class QTreeWidget;

// Shown before a patient typed by hand is added to the address book: the entries that may be the
// same person (surname, first name, identity number, city, last visit). The desk picks one
// ("Izaberi", or a double click) or adds a new entry ("Novi unos"); "Odustani" or Escape does
// neither. Modal; the choice goes into the Izbor it was opened with.
class w_slicni_pacijenti : public Window {
    Q_OBJECT

public:
    struct Izbor {
        enum class Kraj { Odustao, Izabran, NoviUnos };
        Kraj kraj = Kraj::Odustao;
        int rbr = 0; // the entry picked
    };

    w_slicni_pacijenti(const QList<poseta_sql::SlicanPacijent>& slicni, Izbor& izbor,
                       QWidget* parent = nullptr);

private:
    void izaberi();

    Izbor& m_izbor;
    QTreeWidget* m_lista;
};
