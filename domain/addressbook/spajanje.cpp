#include "domain/addressbook/spajanje.h"

#include "domain/addressbook/adresar_sql.h"
#include "domain/appointments/zakazivanje_sql.h"
#include "domain/lab/nalog_sql.h"
#include "domain/reception/poseta_sql.h"
#include "runtime/core/transaction.h"

namespace spajanje {

namespace {

Ishod obavestenje(const QString& tekst) {
    Ishod ishod;
    ishod.kraj = Ishod::Kraj::Obavestenje;
    ishod.obavestenje = tekst;
    return ishod;
}

Ishod neupisano(Transaction& sqlca) {
    Ishod ishod;
    ishod.kraj = Ishod::Kraj::Neupisano;
    ishod.tekstBaze = sqlca.sqlerrtext;
    sqlca.rollback();
    return ishod;
}

bool uspelo(const Transaction& sqlca) {
    return sqlca.sqlcode == Transaction::Success;
}

} // namespace

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

Ishod spoji(Transaction& sqlca, int rbrDuplikata, int rbrZadrzanog) {
    // Both entries as other desks have committed them up to now.
    sqlca.endReading();
    const Rows<AdresarUnos> duplikat = adresar_sql::unos(sqlca, rbrDuplikata);
    const Rows<AdresarUnos> zadrzan = adresar_sql::unos(sqlca, rbrZadrzanog);
    for (const Rows<AdresarUnos>* procitan : {&duplikat, &zadrzan})
        if (procitan->failed()) {
            Ishod ishod;
            ishod.kraj = Ishod::Kraj::Neupisano;
            ishod.tekstBaze = procitan->outcome.text;
            return ishod;
        }
    if (duplikat.rows.isEmpty() || zadrzan.rows.isEmpty())
        return obavestenje(QStringLiteral("Jedan od unosa je u međuvremenu obrisan iz adresara: "
                                          "ništa nije spojeno."));
    const AdresarUnos& prvi = duplikat.rows.first();
    const AdresarUnos& drugi = zadrzan.rows.first();
    if (const QString zasto = zastoNe(prvi, drugi); !zasto.isEmpty())
        return obavestenje(zasto);

    poseta_sql::premestiPosete(sqlca, rbrDuplikata, rbrZadrzanog);
    if (!uspelo(sqlca))
        return neupisano(sqlca);
    zakazivanje_sql::premestiTermine(sqlca, rbrDuplikata, rbrZadrzanog);
    if (!uspelo(sqlca))
        return neupisano(sqlca);
    nalog_sql::premestiNaloge(sqlca, rbrDuplikata, rbrZadrzanog);
    if (!uspelo(sqlca))
        return neupisano(sqlca);
    adresar_sql::obrisi(sqlca, rbrDuplikata);
    if (!uspelo(sqlca) || sqlca.sqlnrows == 0) {
        if (uspelo(sqlca))
            sqlca.setFailure(QStringLiteral("adresar: unos %1 nije obrisan").arg(rbrDuplikata));
        return neupisano(sqlca);
    }
    // The number is set once the duplicate that carried it is gone: it stays unique throughout.
    if (drugi.mbr.isEmpty() && !prvi.mbr.isEmpty()) {
        adresar_sql::postaviMbr(sqlca, rbrZadrzanog, prvi.mbr);
        if (!uspelo(sqlca))
            return neupisano(sqlca);
    }
    adresar_sql::potvrdi(sqlca);
    if (!uspelo(sqlca))
        return neupisano(sqlca);
    return {};
}

} // namespace spajanje
