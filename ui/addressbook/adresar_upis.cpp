#include "ui/addressbook/adresar_upis.h"

#include "runtime/core/transaction.h"
#include "ui/addressbook/adresar_sql.h"

namespace adresar_upis {

namespace {

constexpr int MbrLength = 13;

IshodUpisa obavestenje(const QString& tekst) {
    IshodUpisa ishod;
    ishod.kraj = IshodUpisa::Kraj::Obavestenje;
    ishod.obavestenje = tekst;
    return ishod;
}

// The duplicate check shared by a new entry and an update; empty when the number may be saved.
QString proveraDuplogMbr(Transaction& sqlca, int rabr) {
    if (sqlca.sqlcode != Transaction::Success)
        return QStringLiteral("Greska pri upitu duplog MBRa!");
    if (rabr > 0)
        return QStringLiteral("Uneli ste dupli MBR!");
    return {};
}

} // namespace

IshodUpisa sacuvaj(Transaction& sqlca, AdresarUnos unos, int postojeciRbr, int rbrStatus) {
    if (unos.ime.isEmpty())
        return obavestenje(QStringLiteral("Morate uneti ime u adresar!"));
    if (unos.prezime.isEmpty())
        return obavestenje(QStringLiteral("Morate uneti prezime u adresar!"));
    // Only the length is checked: letters and spaces in a 13-character number pass.
    if (!unos.mbr.isEmpty() && unos.mbr.size() != MbrLength)
        return obavestenje(QStringLiteral("Maticni broj mora imati 13 cifara!"));
    const QVariant mbr = textOrNull(unos.mbr);

    const QVariant najveci = adresar_sql::najveciRbr(sqlca);
    const bool najveciNeprocitan = sqlca.sqlcode != Transaction::Success;
    const QString greskaNajveceg = sqlca.sqlerrtext;
    // An empty address book has no largest key (NULL): its first entry gets key 1.
    int rbr = (najveci.isNull() ? 0 : najveci.toInt()) + 1;
    unos.status = rbrStatus;

    auto uz = [&](IshodUpisa ishod) {
        ishod.najveciNeprocitan = najveciNeprocitan;
        ishod.greskaNajveceg = greskaNajveceg;
        return ishod;
    };
    if (postojeciRbr == 0) {
        if (rbr > adresar_sql::NajveciRbr)
            return uz(obavestenje(
                QStringLiteral("Adresar je pun: redni broj novog unosa bio bi veći od %1!")
                    .arg(adresar_sql::NajveciRbr)));
        const int rabr = adresar_sql::brojIstogMbr(sqlca, mbr);
        if (const QString odbijeno = proveraDuplogMbr(sqlca, rabr); !odbijeno.isEmpty())
            return uz(obavestenje(odbijeno));
        unos.rbr = rbr;
        adresar_sql::unesi(sqlca, unos);
    } else {
        rbr = postojeciRbr;
        const int rabr = adresar_sql::brojIstogMbr(sqlca, mbr, rbr);
        if (const QString odbijeno = proveraDuplogMbr(sqlca, rabr); !odbijeno.isEmpty())
            return uz(obavestenje(odbijeno));
        unos.rbr = rbr;
        adresar_sql::izmeni(sqlca, unos);
    }

    IshodUpisa ishod;
    // A failed write is neither committed nor rolled back, and the form keeps its values.
    if (sqlca.sqlcode != Transaction::Success) {
        ishod.kraj = IshodUpisa::Kraj::Neupisano;
        ishod.tekstBaze = sqlca.sqlerrtext;
        return uz(ishod);
    }
    ishod.rbr = rbr;
    adresar_sql::potvrdi(sqlca);
    return uz(ishod);
}

QString pitanjeZaBrisanje() {
    return QString(61, QLatin1Char(' ')) + QStringLiteral("Da li zelite da obrisete podatak?");
}

IshodBrisanja obrisi(Transaction& sqlca, int rbr) {
    IshodBrisanja ishod;
    adresar_sql::obrisi(sqlca, rbr);
    if (sqlca.sqlcode != Transaction::Success) {
        ishod.kraj = IshodBrisanja::Kraj::Neobrisano;
        ishod.poruka = QStringLiteral("GR0020 Greska pri brisanju podatka iz adresara!");
        ishod.tekstBaze = sqlca.sqlerrtext;
        return ishod;
    }
    adresar_sql::potvrdi(sqlca);
    return ishod;
}

} // namespace adresar_upis
