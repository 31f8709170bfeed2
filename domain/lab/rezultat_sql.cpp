#include "domain/lab/rezultat_sql.h"

#include "runtime/core/convert.h"
#include "runtime/core/cursor_reader.h"
#include "runtime/core/dates.h"
#include "runtime/core/transaction.h"

namespace rezultat_sql {

namespace {

const QString OrderResults = QStringLiteral(
    "SELECT r.rbr_stavka, r.vrednost, r.jed_mere, r.pol, CAST(r.ref_m_nizi AS VARCHAR(20)), "
    "CAST(r.ref_m_visi AS VARCHAR(20)), CAST(r.ref_z_nizi AS VARCHAR(20)), "
    "CAST(r.ref_z_visi AS VARCHAR(20)), r.ocena, CAST(r.datum AS VARCHAR(10)) FROM rezultat r "
    "JOIN nalog_stavka s ON s.rbr = r.rbr_stavka WHERE s.rbr_nalog = ? ORDER BY r.rbr_stavka");
const QString Version =
    QStringLiteral("UPDATE nalog SET verzija_rezultata = verzija_rezultata + 1 WHERE rbr = ? AND "
                   "verzija_rezultata = ? AND otkazan = 0");
const QString Bound = QStringLiteral("CAST(? AS NUMERIC(10,3))");
const QString Insert = QStringLiteral("INSERT INTO rezultat (vrednost, jed_mere, pol, ref_m_nizi, "
                                      "ref_m_visi, ref_z_nizi, ref_z_visi, ocena, oznaka, datum, "
                                      "rbr_stavka) VALUES (?, ?, ?, %1, %1, %1, %1, ?, ?, ?, ?)")
                           .arg(Bound);
const QString Update =
    QStringLiteral("UPDATE rezultat SET vrednost = ?, jed_mere = ?, pol = ?, ref_m_nizi = %1, "
                   "ref_m_visi = %1, ref_z_nizi = %1, ref_z_visi = %1, ocena = ?, oznaka = ?, "
                   "datum = ?, upisano = CURRENT_TIMESTAMP WHERE rbr_stavka = ?")
        .arg(Bound);
const QString Delete = QStringLiteral("DELETE FROM rezultat WHERE rbr_stavka = ?");

QVariant granica(const std::optional<Decimal>& granica) {
    return granica ? QVariant(granica->toString(3)) : nullText();
}

QVariantList vrednosti(const Rezultat& r) {
    const QString oznaka = ocena::oznaka(r.ocena);
    return {r.vrednost,
            textOrNull(r.jedMere),
            ocena::polUAdresaru(r.pol),
            granica(r.muski.nizi),
            granica(r.muski.visi),
            granica(r.zenski.nizi),
            granica(r.zenski.visi),
            r.ocena == ocena::Ocena::Nema ? nullInteger() : QVariant(int(r.ocena)),
            textOrNull(oznaka),
            r.datum,
            r.rbrStavka};
}

} // namespace

Result<QList<Rezultat>> rezultatiNaloga(Transaction& sqlca, int rbrNalog) {
    return readRowsAs<Rezultat>(sqlca, OrderResults, {rbrNalog}, [](const QVariantList& red) {
        Rezultat r;
        r.rbrStavka = red.at(0).toInt();
        r.vrednost = textOfColumn(red.at(1));
        r.jedMere = textOfColumn(red.at(2));
        r.pol = ocena::polPacijenta(red.at(3).isNull() ? QVariant() : red.at(3), QString());
        r.muski = {decimalOfColumn(red.at(4)), decimalOfColumn(red.at(5))};
        r.zenski = {decimalOfColumn(red.at(6)), decimalOfColumn(red.at(7))};
        r.ocena = red.at(8).isNull() ? ocena::Ocena::Nema : ocena::Ocena(red.at(8).toInt());
        r.datum = dateOfColumn(red.at(9));
        return r;
    });
}

Result<> promeniVerziju(Transaction& sqlca, int rbrNalog, int verzija) {
    return sqlca.execute(Version, {rbrNalog, verzija});
}

Result<> unesi(Transaction& sqlca, const Rezultat& rezultat) {
    return sqlca.execute(Insert, vrednosti(rezultat));
}

Result<> izmeni(Transaction& sqlca, const Rezultat& rezultat) {
    return sqlca.execute(Update, vrednosti(rezultat));
}

Result<> obrisi(Transaction& sqlca, int rbrStavka) {
    return sqlca.execute(Delete, {rbrStavka});
}

} // namespace rezultat_sql
