#include "domain/addressbook/adresar_upis.h"

#include "domain/addressbook/adresar_sql.h"
#include "domain/appointments/zakazivanje_upis.h"
#include "domain/lab/nalog_sql.h"
#include "domain/reception/poseta_sql.h"
#include "runtime/core/transaction.h"

namespace adresar_upis {

namespace {

constexpr int MbrLength = 13;

IshodUpisa obavestenje(const QString& tekst) {
    IshodUpisa ishod;
    ishod.kraj = IshodUpisa::Kraj::Obavestenje;
    ishod.obavestenje = tekst;
    return ishod;
}

IshodUpisa neupisano(const QString& tekstBaze) {
    IshodUpisa ishod;
    ishod.kraj = IshodUpisa::Kraj::Neupisano;
    ishod.tekstBaze = tekstBaze;
    return ishod;
}

// The duplicate check shared by a new entry and an update; empty when the number may be saved.
QString proveraDuplogMbr(const One<int>& rabr) {
    if (rabr.outcome.code != Transaction::Success)
        return QStringLiteral("Greska pri upitu duplog MBRa!");
    if (rabr.value.value_or(0) > 0)
        return QStringLiteral("Uneli ste dupli MBR!");
    return {};
}

} // namespace

namespace {

IshodUpisa upisi(Transaction& sqlca, AdresarUnos unos, int postojeciRbr, int rbrStatus,
                 const std::function<void()>& pred_upisom, bool potvrdi) {
    if (unos.ime.isEmpty())
        return obavestenje(QStringLiteral("Morate uneti ime u adresar!"));
    if (unos.prezime.isEmpty())
        return obavestenje(QStringLiteral("Morate uneti prezime u adresar!"));
    // Only the length is checked: letters and spaces in a 13-character number pass.
    if (!unos.mbr.isEmpty() && unos.mbr.size() != MbrLength)
        return obavestenje(QStringLiteral("Maticni broj mora imati 13 cifara!"));
    const QVariant mbr = textOrNull(unos.mbr);
    unos.status = rbrStatus;
    // The save reads what other desks have committed up to now, never an older snapshot.
    sqlca.endReading();

    for (int pokusaj = 1;; ++pokusaj) {
        const One<int> najveci = adresar_sql::najveciRbr(sqlca);
        const bool najveciNeprocitan = najveci.outcome.code != Transaction::Success;
        const QString greskaNajveceg = najveci.outcome.text;
        // An empty address book has no largest key (NULL): its first entry gets key 1.
        int rbr = najveci.value.value_or(0) + 1;

        auto uz = [&](IshodUpisa ishod) {
            ishod.najveciNeprocitan = najveciNeprocitan;
            ishod.greskaNajveceg = greskaNajveceg;
            return ishod;
        };
        // A refused write keeps no lock and no half-done unit: the next save starts clean.
        // Another desk's entry with the same number shows as the duplicate it is.
        auto odbijen = [&](int drugiOsim) {
            const QString tekst = sqlca.sqlerrtext;
            sqlca.rollback();
            const bool dupli =
                !mbr.isNull() && (drugiOsim == 0 ? adresar_sql::brojIstogMbr(sqlca, mbr)
                                                 : adresar_sql::brojIstogMbr(sqlca, mbr, drugiOsim))
                                         .value.value_or(0) > 0;
            return uz(dupli ? obavestenje(QStringLiteral("Uneli ste dupli MBR!"))
                            : neupisano(tekst));
        };

        if (postojeciRbr == 0) {
            if (rbr > adresar_sql::NajveciRbr)
                return uz(obavestenje(
                    QStringLiteral("Adresar je pun: redni broj novog unosa bio bi veći od %1!")
                        .arg(adresar_sql::NajveciRbr)));
            const One<int> rabr = adresar_sql::brojIstogMbr(sqlca, mbr);
            if (const QString odbijeno = proveraDuplogMbr(rabr); !odbijeno.isEmpty())
                return uz(obavestenje(odbijeno));
            unos.rbr = rbr;
            if (pred_upisom)
                pred_upisom();
            adresar_sql::unesi(sqlca, unos);
            if (sqlca.sqlcode != Transaction::Success) {
                // Another desk took the key between our read and our INSERT: read it again.
                const QString tekst = sqlca.sqlerrtext;
                sqlca.rollback();
                if (pokusaj < NajvisePokusaja &&
                    adresar_sql::postojiRbr(sqlca, rbr).value.value_or(false))
                    continue;
                sqlca.sqlerrtext = tekst;
                return odbijen(0);
            }
        } else {
            rbr = postojeciRbr;
            const One<int> rabr = adresar_sql::brojIstogMbr(sqlca, mbr, rbr);
            if (const QString odbijeno = proveraDuplogMbr(rabr); !odbijeno.isEmpty())
                return uz(obavestenje(odbijeno));
            unos.rbr = rbr;
            if (pred_upisom)
                pred_upisom();
            adresar_sql::izmeni(sqlca, unos);
            if (sqlca.sqlcode != Transaction::Success)
                return odbijen(rbr);
            if (sqlca.sqlnrows == 0) { // the row is gone: the edits must not vanish silently
                sqlca.rollback();
                return uz(obavestenje(obrisanUMedjuvremenu()));
            }
        }

        if (potvrdi) {
            adresar_sql::potvrdi(sqlca);
            if (sqlca.sqlcode != Transaction::Success) // the form must not take a key never stored
                return odbijen(postojeciRbr);
        }
        IshodUpisa ishod;
        ishod.rbr = rbr;
        return uz(ishod);
    }
}

} // namespace

IshodUpisa sacuvaj(Transaction& sqlca, AdresarUnos unos, int postojeciRbr, int rbrStatus,
                   const std::function<void()>& pred_upisom) {
    return upisi(sqlca, std::move(unos), postojeciRbr, rbrStatus, pred_upisom, true);
}

IshodUpisa upisiNovi(Transaction& sqlca, AdresarUnos unos, int rbrStatus) {
    return upisi(sqlca, std::move(unos), 0, rbrStatus, {}, false);
}

QString obrisanUMedjuvremenu() {
    return QStringLiteral("Ovaj unos je u međuvremenu obrisan iz adresara: izmene nisu upisane!");
}

QString pitanjeZaBrisanje() {
    return QString(61, QLatin1Char(' ')) + QStringLiteral("Da li zelite da obrisete podatak?");
}

IshodBrisanja obrisi(Transaction& sqlca, int rbr) {
    IshodBrisanja ishod;
    sqlca.endReading();
    adresar_sql::obrisi(sqlca, rbr);
    if (sqlca.sqlcode == Transaction::Success)
        adresar_sql::potvrdi(sqlca);
    if (sqlca.sqlcode != Transaction::Success) {
        ishod.kraj = IshodBrisanja::Kraj::Neobrisano;
        ishod.poruka = QStringLiteral("GR0020 Greska pri brisanju podatka iz adresara!");
        ishod.tekstBaze = sqlca.sqlerrtext;
        sqlca.rollback(); // no lock and no half-done unit stays behind
        // The database keeps a patient with upcoming bookings; the desk needs to know which.
        const QString termini = zakazivanje_upis::pacijentImaTermine(sqlca, rbr);
        if (!termini.isEmpty())
            ishod.obavestenje = termini;
        // Visits are the patient's history: they keep the entry.
        else if (poseta_sql::brojPosetaPacijenta(sqlca, rbr).value.value_or(0) > 0)
            ishod.obavestenje = QStringLiteral("Pacijent ima sačuvane posete: njegova istorija "
                                               "ostaje, pa se ne briše iz adresara.");
        // So are laboratory orders: an order and its findings stay with their patient.
        else if (nalog_sql::brojNalogaPacijenta(sqlca, rbr).value.value_or(0) > 0)
            ishod.obavestenje = QStringLiteral("Pacijent ima laboratorijske naloge: njegovi "
                                               "nalazi ostaju, pa se ne briše iz adresara.");
        return ishod;
    }
    return ishod;
}

} // namespace adresar_upis
