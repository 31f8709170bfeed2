#pragma once

#include "domain/search/kriterijum.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <span>

// The fields a visit stores, one table for the form, the search and the history. Each field is
// stored under its key, which never changes: a renamed control only changes `kontrola` here, so
// no stored value is orphaned. A toggle's boxes and description are named after the toggle first
// ("uo_jetra.cbx_da"), as the form names them.
namespace polja_posete {

enum class Strana {
    Zaglavlje, // the page's header: the patient and the protocol
    Generalije,
    PorodicnaAnamneza,
    LicnaAnamneza,
    Navike,
    Dijagnoza,
    Kontrola,
};

struct Polje {
    const char* kljuc;    // stored key
    const char* kontrola; // the control of the form that holds it
    Strana strana;
    const char* naziv; // what the desk reads for it (the history)
    std::optional<pretraga::Polje> pretraga = std::nullopt; // the search field that reads it
};

std::span<const Polje> sva();
// The field stored under kljuc, or none.
const Polje* poKljucu(const QString& kljuc);
// The field the control (by the form's name for it) holds, or none.
const Polje* poKontroli(const QString& kontrola);
// The stored keys the search reads for one of its visit fields.
QStringList kljuceviPretrage(pretraga::Polje polje);
// What the history shows for a stored key or a visit's own column; the key itself when unknown.
QString naziv(const QString& kljuc);

} // namespace polja_posete
