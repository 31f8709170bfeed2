#include "domain/addressbook/adresar_upis.h"

#include "domain/addressbook/adresar_sql.h"
#include "domain/appointments/zakazivanje_upis.h"
#include "domain/lab/nalog_sql.h"
#include "domain/reception/poseta_sql.h"
#include "runtime/core/transaction.h"

namespace adresar_upis {

namespace {

constexpr int MbrLength = 13;

// The duplicate check shared by a new entry and an update; empty when the number may be saved.
QString proveraDuplogMbr(const Result<std::optional<int>>& rabr) {
    if (rabr.sqlcode != Result<>::Success)
        return QStringLiteral("Greska pri upitu duplog MBRa!");
    if (rabr.value.value_or(0) > 0)
        return QStringLiteral("Uneli ste dupli MBR!");
    return {};
}

// After a refused write, read afresh: another desk's entry with the same number (other than the
// entry drugiOsim, 0 for none) shows as the duplicate it is.
QString dupliKodDrugog(Transaction& sqlca, const QVariant& mbr, int drugiOsim) {
    if (mbr.isNull())
        return {};
    const Result<std::optional<int>> broj = drugiOsim == 0
                                                ? adresar_sql::brojIstogMbr(sqlca, mbr)
                                                : adresar_sql::brojIstogMbr(sqlca, mbr, drugiOsim);
    return broj.value.value_or(0) > 0 ? QStringLiteral("Uneli ste dupli MBR!") : QString();
}

// The INSERT of a new entry under the next free key, or the UPDATE of entry postojeciRbr, in the
// open unit. A refused write is rolled back and explained; a key another desk took between the
// read and the INSERT is read again.
Result<Ishod> upisi(Transaction& sqlca, AdresarUnos unos, int postojeciRbr, int rbrStatus,
                    const std::function<void()>& pred_upisom) {
    if (unos.ime.isEmpty())
        return ishod::obavestenje(QStringLiteral("Morate uneti ime u adresar!"));
    if (unos.prezime.isEmpty())
        return ishod::obavestenje(QStringLiteral("Morate uneti prezime u adresar!"));
    // Only the length is checked: letters and spaces in a 13-character number pass.
    if (!unos.mbr.isEmpty() && unos.mbr.size() != MbrLength)
        return ishod::obavestenje(QStringLiteral("Maticni broj mora imati 13 cifara!"));
    const QVariant mbr = textOrNull(unos.mbr);
    unos.status = rbrStatus;
    // The save reads what other desks have committed up to now, never an older snapshot.
    sqlca.endReading();

    for (int pokusaj = 1;; ++pokusaj) {
        const Result<std::optional<int>> najveci = adresar_sql::najveciRbr(sqlca);
        // An empty address book has no largest key (NULL): its first entry gets key 1. A largest
        // key that could not be read is shown before the outcome, and the save goes on.
        int rbr = najveci.value.value_or(0) + 1;
        const auto uz = [&](Result<Ishod> ishod) {
            if (najveci.sqlcode != Result<>::Success)
                ishod.value.upozorenje = najveci.sqlerrtext;
            return ishod;
        };
        const auto dupli = [&, drugiOsim = postojeciRbr] {
            return dupliKodDrugog(sqlca, mbr, drugiOsim);
        };

        if (postojeciRbr == 0) {
            if (rbr > adresar_sql::NajveciRbr)
                return uz(ishod::obavestenje(
                    QStringLiteral("Adresar je pun: redni broj novog unosa bio bi veći od %1!")
                        .arg(adresar_sql::NajveciRbr)));
            if (const QString odbijeno = proveraDuplogMbr(adresar_sql::brojIstogMbr(sqlca, mbr));
                !odbijeno.isEmpty())
                return uz(ishod::obavestenje(odbijeno));
            unos.rbr = rbr;
            if (pred_upisom)
                pred_upisom();
            if (const Result<> upisan = adresar_sql::unesi(sqlca, unos); upisan.failed()) {
                // Another desk took the key between our read and our INSERT: read it again.
                sqlca.rollback();
                if (pokusaj < NajvisePokusaja &&
                    adresar_sql::postojiRbr(sqlca, rbr).value.value_or(false))
                    continue;
                return uz(ishod::odbijeno(sqlca, upisan, dupli));
            }
        } else {
            rbr = postojeciRbr;
            if (const QString odbijeno =
                    proveraDuplogMbr(adresar_sql::brojIstogMbr(sqlca, mbr, rbr));
                !odbijeno.isEmpty())
                return uz(ishod::obavestenje(odbijeno));
            unos.rbr = rbr;
            if (pred_upisom)
                pred_upisom();
            const Result<> izmenjen = adresar_sql::izmeni(sqlca, unos);
            if (izmenjen.failed())
                return uz(ishod::odbijeno(sqlca, izmenjen, dupli));
            if (izmenjen.sqlnrows == 0) { // the row is gone: the edits must not vanish silently
                sqlca.rollback();
                return uz(ishod::obavestenje(obrisanUMedjuvremenu()));
            }
        }
        return uz(ishod::upisano(rbr));
    }
}

} // namespace

Result<Ishod> sacuvaj(Transaction& sqlca, AdresarUnos unos, int postojeciRbr, int rbrStatus,
                      const std::function<void()>& pred_upisom) {
    const QVariant mbr = textOrNull(unos.mbr);
    const Result<Ishod> upisan =
        upisi(sqlca, std::move(unos), postojeciRbr, rbrStatus, pred_upisom);
    if (upisan.failed() || !upisan.value.obavestenje.isEmpty())
        return upisan;
    // The form must not take a key never stored: a refused COMMIT is a refused save.
    Result<Ishod> potvrdjen =
        ishod::potvrdi(sqlca, upisan, [&] { return dupliKodDrugog(sqlca, mbr, postojeciRbr); });
    potvrdjen.value.upozorenje = upisan.value.upozorenje;
    return potvrdjen;
}

Result<Ishod> upisiNovi(Transaction& sqlca, AdresarUnos unos, int rbrStatus) {
    return upisi(sqlca, std::move(unos), 0, rbrStatus, {});
}

QString obrisanUMedjuvremenu() {
    return QStringLiteral("Ovaj unos je u međuvremenu obrisan iz adresara: izmene nisu upisane!");
}

QString pitanjeZaBrisanje() {
    return QString(61, QLatin1Char(' ')) + QStringLiteral("Da li zelite da obrisete podatak?");
}

QString neobrisano() {
    return QStringLiteral("GR0020 Greska pri brisanju podatka iz adresara!");
}

Result<Ishod> obrisi(Transaction& sqlca, int rbr) {
    sqlca.endReading();
    Result<> obrisan = adresar_sql::obrisi(sqlca, rbr);
    if (obrisan.succeeded())
        obrisan = sqlca.commit();
    if (obrisan.succeeded())
        return ishod::upisano(rbr);
    sqlca.rollback(); // no lock and no half-done unit stays behind
    Result<Ishod> ishod(obrisan);
    // The database keeps a patient with upcoming bookings; the desk needs to know which.
    const QString termini = zakazivanje_upis::pacijentImaTermine(sqlca, rbr);
    if (!termini.isEmpty())
        ishod.value.obavestenje = termini;
    // Visits are the patient's history: they keep the entry.
    else if (poseta_sql::brojPosetaPacijenta(sqlca, rbr).value.value_or(0) > 0)
        ishod.value.obavestenje = QStringLiteral("Pacijent ima sačuvane posete: njegova istorija "
                                                 "ostaje, pa se ne briše iz adresara.");
    // So are laboratory orders: an order and its findings stay with their patient.
    else if (nalog_sql::brojNalogaPacijenta(sqlca, rbr).value.value_or(0) > 0)
        ishod.value.obavestenje = QStringLiteral("Pacijent ima laboratorijske naloge: njegovi "
                                                 "nalazi ostaju, pa se ne briše iz adresara.");
    return ishod;
}

} // namespace adresar_upis
