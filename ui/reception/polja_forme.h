#pragma once

#include "domain/reception/poseta_sql.h"

#include <QList>

class QWidget;

// The reception form's values by stored key (polja_posete), for storing a visit and reopening it.
// Every field below the root counts: single- and multi-line edits, check boxes (the toggles' "Da"
// and "Ne"), the drop-downs. A control inside a toggle is named after the toggle
// ("uo_jetra.sle_opis", "uo_3.cbx_da"), since every toggle names its own controls alike. Values are
// taken and put back exactly: nothing is trimmed, converted or reordered.
namespace polja_forme {

// The value a checked box is stored as; an unchecked box is not stored.
inline constexpr char Oznaceno[] = "1";

// The form's name for a control that holds a field ("mle_radnadiag", "uo_jetra.cbx_da"), or empty
// when the widget holds none.
QString imeKontrole(const QWidget* widget);
// The key the control's field is stored under (polja_posete's table), or empty when the table
// has none for it.
QString imePolja(const QWidget* widget);
// polja with field ime set to vrednost (an empty value is no field).
QList<poseta_sql::Polje> zameni(QList<poseta_sql::Polje> polja, const QString& ime,
                                const QString& vrednost);

// Every field below root whose value is not empty (an empty text, an unchecked box, a drop-down
// without a choice), in the form's order of creation.
QList<poseta_sql::Polje> pokupi(const QWidget* root);

// Puts the values back: every field below root takes its value from polja, and a field polja
// does not name becomes empty (empty text, unchecked, no choice). Programmatic changes, so that
// nothing reports a user's edit.
void postavi(QWidget* root, const QList<poseta_sql::Polje>& polja);

} // namespace polja_forme
