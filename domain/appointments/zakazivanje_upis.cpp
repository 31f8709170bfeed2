#include "domain/appointments/zakazivanje_upis.h"

#include "domain/appointments/zakazivanje_sql.h"
#include "runtime/core/transaction.h"

namespace zakazivanje_upis {

namespace {

const QTime PrviTermin(7, 0);
const QTime PoslednjiTermin(22, 0);

Ishod obavestenje(const QString& tekst) {
    Ishod ishod;
    ishod.kraj = Ishod::Kraj::Obavestenje;
    ishod.obavestenje = tekst;
    return ishod;
}

// After a refused statement: the unit is rolled back first, so no lock outlives the click and
// the reads below see what the other desks committed.
Ishod odbijeno(Transaction& sqlca, const std::function<Ishod()>& objasni) {
    const QString tekst = sqlca.sqlerrtext;
    sqlca.rollback();
    Ishod ishod = objasni();
    if (ishod.kraj == Ishod::Kraj::Neupisano)
        ishod.tekstBaze = tekst;
    return ishod;
}

bool pacijentNestao(Transaction& sqlca, std::optional<int> rbrAdresar) {
    return rbrAdresar && !zakazivanje_sql::postojiPacijent(sqlca, *rbrAdresar).value.value_or(true);
}

Ishod potvrdi(Transaction& sqlca, const std::function<Ishod()>& objasni) {
    zakazivanje_sql::potvrdi(sqlca);
    if (sqlca.sqlcode != Transaction::Success)
        return odbijeno(sqlca, objasni);
    return {};
}

Ishod neupisano() {
    Ishod ishod;
    ishod.kraj = Ishod::Kraj::Neupisano;
    return ishod;
}

} // namespace

QString zauzet() {
    return QStringLiteral("Termin je u međuvremenu zauzet.");
}

QString pacijentObrisan() {
    return QStringLiteral("Pacijent je u međuvremenu obrisan iz adresara: termin nije upisan.");
}

QString terminObrisan() {
    return QStringLiteral("Ovaj termin je u međuvremenu otkazan.");
}

QString pitanjeZaProslost() {
    return QStringLiteral("Termin je u prošlosti. Da li želite da ga ipak zakažete?");
}

QString pitanjeZaBrisanje() {
    return QStringLiteral("Da li želite da otkažete ovaj termin?");
}

bool uProslosti(const QDate& datum, const QTime& vreme, const QDateTime& sada) {
    return QDateTime(datum, vreme) < sada;
}

bool naMrezi(const QTime& vreme) {
    return vreme.isValid() && vreme >= PrviTermin && vreme <= PoslednjiTermin &&
           vreme.second() == 0 && vreme.msec() == 0 && vreme.minute() % 30 == 0;
}

Ishod zakazi(Transaction& sqlca, const QDate& datum, const QTime& vreme,
             std::optional<int> rbrAdresar, const QString& opis,
             const std::function<void()>& pred_upisom) {
    if (!datum.isValid() || !naMrezi(vreme))
        return obavestenje(QStringLiteral("Termin mora biti na pola sata, od 07:00 do 22:00."));
    // Read what other desks have committed up to now, never an older snapshot.
    sqlca.endReading();
    // Why a refused write was refused: the slot taken, the patient gone, or the database's text.
    auto objasni = [&]() -> Ishod {
        if (zakazivanje_sql::rbrTermina(sqlca, datum, vreme).value)
            return obavestenje(zauzet());
        if (pacijentNestao(sqlca, rbrAdresar))
            return obavestenje(pacijentObrisan());
        return neupisano();
    };
    // The checks only spare a refused INSERT; the unique slot decides.
    if (zakazivanje_sql::rbrTermina(sqlca, datum, vreme).value)
        return obavestenje(zauzet());
    if (pacijentNestao(sqlca, rbrAdresar))
        return obavestenje(pacijentObrisan());
    if (pred_upisom)
        pred_upisom();
    zakazivanje_sql::unesi(sqlca, datum, vreme, rbrAdresar, opis);
    if (sqlca.sqlcode != Transaction::Success)
        return odbijeno(sqlca, objasni);
    return potvrdi(sqlca, objasni);
}

Ishod izmeni(Transaction& sqlca, int rbr, std::optional<int> rbrAdresar, const QString& opis) {
    sqlca.endReading();
    auto objasni = [&]() -> Ishod {
        return pacijentNestao(sqlca, rbrAdresar) ? obavestenje(pacijentObrisan()) : neupisano();
    };
    if (pacijentNestao(sqlca, rbrAdresar))
        return obavestenje(pacijentObrisan());
    zakazivanje_sql::izmeni(sqlca, rbr, rbrAdresar, opis);
    if (sqlca.sqlcode != Transaction::Success)
        return odbijeno(sqlca, objasni);
    if (sqlca.sqlnrows == 0) {
        sqlca.rollback();
        return obavestenje(terminObrisan());
    }
    return potvrdi(sqlca, objasni);
}

Ishod otkazi(Transaction& sqlca, int rbr) {
    sqlca.endReading();
    zakazivanje_sql::obrisi(sqlca, rbr);
    if (sqlca.sqlcode != Transaction::Success)
        return odbijeno(sqlca, neupisano);
    if (sqlca.sqlnrows == 0) {
        sqlca.rollback();
        return obavestenje(terminObrisan());
    }
    return potvrdi(sqlca, neupisano);
}

} // namespace zakazivanje_upis
