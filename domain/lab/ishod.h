#pragma once

#include <QString>

// How a save of the laboratory's ended (an order, its results, the practice's details): written,
// refused with a notice that says why (nothing written), or refused by the database for another
// reason (its text; the unit rolled back). rbr and verzija are what was written.
namespace lab {

struct Ishod {
    enum class Kraj { Upisano, Obavestenje, Neupisano };

    Kraj kraj = Kraj::Upisano;
    QString obavestenje;
    QString tekstBaze;
    int rbr = 0;
    int verzija = 0;

    static Ishod saObavestenjem(const QString& tekst) {
        Ishod ishod;
        ishod.kraj = Kraj::Obavestenje;
        ishod.obavestenje = tekst;
        return ishod;
    }
    static Ishod odbijenoUBazi(const QString& tekst) {
        Ishod ishod;
        ishod.kraj = Kraj::Neupisano;
        ishod.tekstBaze = tekst;
        return ishod;
    }
};

} // namespace lab
