#pragma once

#include "domain/appointments/zakazivanje_sql.h"
#include "domain/appointments/zakazivanje_upis.h"
#include "runtime/widgets/window.h"

#include <QHash>
#include <QList>

#include <optional>

class QLineEdit;
class QPushButton;

// What the booking window shows and hands back: the slot's patient (none for a note alone) and
// its note, or a new patient for the address book.
struct TerminUnos {
    std::optional<int> rbrAdresar;
    QString opis;
    std::optional<zakazivanje_upis::NoviPacijent> novi;
    bool prihvacen = false; // "Uredu": the desk accepted what the window shows
};

// The booking window of a slot: a patient picked from the address book by surname (a completer
// over the list) or none, and a note; for a new booking also a new patient (surname, name,
// telephone) whom the booking adds to the address book. Modal; "Uredu" closes it, accepted, and
// the choice in the TerminUnos it was opened with, "Odustani" (or Escape) with no change. It
// writes nothing itself.
class w_zakazivanje_termin : public Window {
    Q_OBJECT

public:
    w_zakazivanje_termin(const QString& naslov, const QList<zakazivanje_sql::Pacijent>& pacijenti,
                         TerminUnos& unos, bool noviPacijent = false, QWidget* parent = nullptr);

private:
    void prihvati();

    bool noviSePoklapa(const zakazivanje_upis::NoviPacijent& novi) const;

    TerminUnos& m_unos;
    QList<zakazivanje_sql::Pacijent> m_pacijenti;
    QHash<QString, int> m_nazivi;
    QLineEdit* m_pacijent;
    QLineEdit* m_opis;
    QLineEdit* m_noviPrezime = nullptr;
    QLineEdit* m_noviIme = nullptr;
    QLineEdit* m_noviTelefon = nullptr;
};
