#pragma once

#include <QList>
#include <QString>

// What one criterion panel of the search page asks for, as the user set it: the text, the field
// of the list picked last, the years of the visits, the value class and the connector that joins
// the panel to the ones above it.
namespace pretraga {

// The fields of the panel's three lists, in list order.
enum class Polje {
    // "Opšti podaci": the address-book entry's
    Ime,
    Prezime,
    Starost,
    Grad,
    // "Pregled": a visit's
    Dg,
    PorodicnaAnamneza,
    LicnaAnamneza,
    Navike,
    Lekar,
    // "Lab analize": a group of the laboratory's results
    Biohemija,
    Hematologija,
    Urin,
    LeukocitarnaFormula,
};

// "I" (and), "ILI" (or), "NE" (and not).
enum class Veznik { I, ILI, NE };

// "Vrednost": for the age, "veće" and "manje" compare it and "sve" and "normalna" ask for it
// exactly; for a laboratory group, "sve" is any result, "normalna" one within the patient's
// reference range, "veće" one above it and "manje" one below it.
enum class Vrednost { Sve, Normalna, Vece, Manje };

struct Kriterijum {
    Polje polje = Polje::Ime;
    QString tekst; // sle_1; the panel takes part when it holds more than blanks, or names a group
                   // of the laboratory (then empty text means any analysis of the group)
    int od = 0;    // "Od": first year of the visits (or the orders), inclusive
    int do_ = 0;   // "Do": last year of the visits (or the orders), inclusive
    Vrednost vrednost = Vrednost::Normalna;
    // Joins this panel to the ones above. On the first panel that takes part only "NE" counts:
    // everyone except its matches. (The page's first panel has no connector of its own.)
    Veznik veznik = Veznik::ILI;
};

// The list item that names the field ("Porodična anamneza", ...).
QString naziv(Polje polje);
QString naziv(Veznik veznik);
bool jePoseta(Polje polje);       // Dg, the three inner pages and Lekar
bool jeLaboratorija(Polje polje); // the "Lab analize" list
bool ucestvuje(const Kriterijum& kriterijum);

// The panels that take part, in page order; of the first one's connector only "NE" counts.
QList<Kriterijum> ucesnici(const QList<Kriterijum>& paneli);

} // namespace pretraga
