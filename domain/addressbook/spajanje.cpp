#include "domain/addressbook/spajanje.h"

#include "domain/addressbook/adresar_sql.h"
#include "domain/appointments/zakazivanje_sql.h"
#include "domain/lab/nalog_sql.h"
#include "domain/reception/poseta_sql.h"
#include "runtime/core/transaction.h"

namespace spajanje {

QString naziv(const AdresarUnos& unos) {
    QString tekst = unos.prezime + QLatin1Char(' ') + unos.ime;
    if (!unos.mbr.isEmpty())
        tekst += QStringLiteral(" (") + unos.mbr + QLatin1Char(')');
    return tekst;
}

QString pitanje(const AdresarUnos& duplikat, const AdresarUnos& zadrzan) {
    return QStringLiteral(
               "Spojiti unos „%1“ (redni broj %2) sa unosom „%3“ (redni broj %4)? "
               "Posete, termini i laboratorijski nalozi prvog prelaze na drugi, a prvi se "
               "briše iz adresara.")
        .arg(naziv(duplikat))
        .arg(duplikat.rbr)
        .arg(naziv(zadrzan))
        .arg(zadrzan.rbr);
}

QString zastoNe(const AdresarUnos& duplikat, const AdresarUnos& zadrzan) {
    if (duplikat.rbr == zadrzan.rbr)
        return QStringLiteral("Unos se ne može spojiti sam sa sobom: izaberite drugi unos.");
    if (!duplikat.mbr.isEmpty() && !zadrzan.mbr.isEmpty() && duplikat.mbr != zadrzan.mbr)
        return QStringLiteral("Unosi „%1“ i „%2“ imaju različite matične brojeve: to su dva "
                              "pacijenta, pa se ne spajaju.")
            .arg(naziv(duplikat), naziv(zadrzan));
    return {};
}

Result<Ishod> spoji(Transaction& sqlca, int rbrDuplikata, int rbrZadrzanog) {
    // Both entries as other desks have committed them up to now.
    sqlca.endReading();
    const Result<QList<AdresarUnos>> duplikat = adresar_sql::unos(sqlca, rbrDuplikata);
    const Result<QList<AdresarUnos>> zadrzan = adresar_sql::unos(sqlca, rbrZadrzanog);
    for (const Result<QList<AdresarUnos>>* procitan : {&duplikat, &zadrzan})
        if (procitan->failed())
            return procitan->outcome();
    if (duplikat.value.isEmpty() || zadrzan.value.isEmpty())
        return ishod::obavestenje(QStringLiteral(
            "Jedan od unosa je u međuvremenu obrisan iz adresara: ništa nije spojeno."));
    const AdresarUnos& prvi = duplikat.value.first();
    const AdresarUnos& drugi = zadrzan.value.first();
    if (const QString zasto = zastoNe(prvi, drugi); !zasto.isEmpty())
        return ishod::obavestenje(zasto);

    // Each step only after the one before it; the first that fails takes the whole unit back,
    // both entries unchanged.
    Result<> korak = poseta_sql::premestiPosete(sqlca, rbrDuplikata, rbrZadrzanog);
    if (korak.succeeded())
        korak = zakazivanje_sql::premestiTermine(sqlca, rbrDuplikata, rbrZadrzanog);
    if (korak.succeeded())
        korak = nalog_sql::premestiNaloge(sqlca, rbrDuplikata, rbrZadrzanog);
    if (korak.succeeded()) {
        korak = adresar_sql::obrisi(sqlca, rbrDuplikata);
        if (korak.succeeded() && korak.sqlnrows == 0)
            korak = Result<>::failure(
                QStringLiteral("adresar: unos %1 nije obrisan").arg(rbrDuplikata));
    }
    // The number is set once the duplicate that carried it is gone: it stays unique throughout.
    if (korak.succeeded() && drugi.mbr.isEmpty() && !prvi.mbr.isEmpty())
        korak = adresar_sql::postaviMbr(sqlca, rbrZadrzanog, prvi.mbr);
    if (korak.failed())
        return ishod::odbijeno(sqlca, korak);
    return ishod::potvrdi(sqlca, ishod::upisano(rbrZadrzanog));
}

} // namespace spajanje
