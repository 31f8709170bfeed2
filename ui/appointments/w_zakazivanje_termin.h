#pragma once

#include "domain/appointments/zakazivanje_sql.h"
#include "runtime/widgets/window.h"

#include <QHash>
#include <QList>

#include <optional>

class QLineEdit;
class QPushButton;

// What the booking window shows and hands back: the slot's patient (none for a note alone) and
// its note.
struct TerminUnos {
    std::optional<int> rbrAdresar;
    QString opis;
};

// The booking window of a slot: a patient picked from the address book by surname (a completer
// over the list) or none, and a note. Modal; "Uredu" closes it with "DA" and the choice in the
// TerminUnos it was opened with, "Odustani" (or Escape) with no change. It writes nothing itself.
class w_zakazivanje_termin : public Window {
    Q_OBJECT

public:
    w_zakazivanje_termin(const QString& naslov, const QList<zakazivanje_sql::Pacijent>& pacijenti,
                         TerminUnos& unos, QWidget* parent = nullptr);

    // The completer's text of each patient: "Prezime Ime", with the record number when two
    // entries share the name.
    static QHash<QString, int> nazivi(const QList<zakazivanje_sql::Pacijent>& pacijenti);

private:
    void prihvati();

    TerminUnos& m_unos;
    QHash<QString, int> m_nazivi;
    QLineEdit* m_pacijent;
    QLineEdit* m_opis;
};
