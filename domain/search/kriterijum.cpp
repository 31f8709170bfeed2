#include "domain/search/kriterijum.h"

namespace pretraga {

QString naziv(Polje polje) {
    switch (polje) {
    case Polje::Ime:
        return QStringLiteral("Ime");
    case Polje::Prezime:
        return QStringLiteral("Prezime");
    case Polje::Starost:
        return QStringLiteral("Starost");
    case Polje::Grad:
        return QStringLiteral("Grad");
    case Polje::Dg:
        return QStringLiteral("Dg");
    case Polje::PorodicnaAnamneza:
        return QStringLiteral("Porodična anamneza");
    case Polje::LicnaAnamneza:
        return QStringLiteral("Lična anamneza");
    case Polje::Navike:
        return QStringLiteral("Navike");
    case Polje::Lekar:
        return QStringLiteral("Lekar");
    case Polje::Biohemija:
        return QStringLiteral("Biohemija");
    case Polje::Hematologija:
        return QStringLiteral("Hematologija");
    case Polje::Urin:
        return QStringLiteral("Urin");
    case Polje::LeukocitarnaFormula:
        return QStringLiteral("Leukocitarna formula");
    }
    return QString();
}

QString naziv(Veznik veznik) {
    switch (veznik) {
    case Veznik::I:
        return QStringLiteral("I");
    case Veznik::ILI:
        return QStringLiteral("ILI");
    case Veznik::NE:
        return QStringLiteral("NE");
    }
    return QString();
}

bool jePoseta(Polje polje) {
    return polje >= Polje::Dg && polje <= Polje::Lekar;
}

bool jeLaboratorija(Polje polje) {
    return polje >= Polje::Biohemija;
}

bool ucestvuje(const Kriterijum& kriterijum) {
    // A laboratory group is only ever the field because the user picked it from its list.
    return !kriterijum.tekst.trimmed().isEmpty() || jeLaboratorija(kriterijum.polje);
}

QList<Kriterijum> ucesnici(const QList<Kriterijum>& paneli) {
    QList<Kriterijum> taj;
    for (const Kriterijum& kriterijum : paneli)
        if (ucestvuje(kriterijum))
            taj << kriterijum;
    return taj;
}

} // namespace pretraga
