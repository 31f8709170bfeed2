#include "domain/reception/poseta_sql.h"

#include "runtime/core/convert.h"
#include "runtime/core/cursor_reader.h"
#include "runtime/core/dates.h"
#include "runtime/core/generated_key.h"
#include "runtime/core/transaction.h"

namespace poseta_sql {

namespace {

// The date as its ISO text: integers and texts are what the block reader reads, so the list
// comes through it in one go instead of row by row.
const QString PatientVisits = QStringLiteral(
    "SELECT rbr, CAST(datum AS VARCHAR(10)), broj_protokola FROM poseta WHERE rbr_adresar = ? "
    "ORDER BY datum DESC, rbr DESC");
const QString VisitRow = QStringLiteral(
    "SELECT rbr, rbr_adresar, datum, broj_protokola, lekar, verzija FROM poseta WHERE rbr = ?");
const QString VisitFields =
    QStringLiteral("SELECT polje, vrednost FROM poseta_polje WHERE rbr_poseta = ? ORDER BY polje");
const QString PatientColumns =
    QStringLiteral("SELECT rbr, ime, prezime, mbr, ulica, grad FROM adresar ");
const QString VisitVersion = QStringLiteral("SELECT verzija FROM poseta WHERE rbr = ?");
const QString PatientVisitCount =
    QStringLiteral("SELECT COUNT(*) FROM poseta WHERE rbr_adresar = ?");
const QString Insert =
    QStringLiteral("INSERT INTO poseta (rbr_adresar, datum, broj_protokola, lekar, verzija) "
                   "VALUES (?, ?, ?, ?, 1)");
const QString Update = QStringLiteral(
    "UPDATE poseta SET rbr_adresar = ?, datum = ?, broj_protokola = ?, lekar = ?, "
    "verzija = verzija + 1, upisano = CURRENT_TIMESTAMP WHERE rbr = ? AND verzija = ?");
const QString DeleteFields = QStringLiteral("DELETE FROM poseta_polje WHERE rbr_poseta = ?");
const QString InsertField =
    QStringLiteral("INSERT INTO poseta_polje (rbr_poseta, polje, vrednost) VALUES (?, ?, ?)");

const QString UpdateField =
    QStringLiteral("UPDATE poseta_polje SET vrednost = ? WHERE rbr_poseta = ? AND polje = ?");
const QString DeleteField =
    QStringLiteral("DELETE FROM poseta_polje WHERE rbr_poseta = ? AND polje = ?");
// Folded as the search's copies are, with "dj" read as "d" on both sides.
const QString Similar = QStringLiteral(
    "SELECT a.rbr, a.prezime, a.ime, a.mbr, a.grad, (SELECT CAST(MAX(p.datum) AS VARCHAR(10)) "
    "FROM poseta p WHERE p.rbr_adresar = a.rbr) FROM adresar a JOIN adresar_trazenje t ON "
    "t.rbr_adresar = a.rbr WHERE replace(t.prezime, 'dj', 'd') = ? AND (replace(t.ime, 'dj', "
    "'d') = ?%1) ORDER BY t.prezime, t.ime, a.rbr");
const QString OldestYear = QStringLiteral("SELECT CAST(MIN(datum) AS VARCHAR(10)) FROM poseta");
const QString MoveVisits = QStringLiteral(
    "UPDATE poseta SET rbr_adresar = ?, verzija = verzija + 1 WHERE rbr_adresar = ?");

Pacijent pacijentIzReda(const QVariantList& red) {
    return Pacijent{red.at(0).toInt(),       textOfColumn(red.at(1)), textOfColumn(red.at(2)),
                    textOfColumn(red.at(3)), textOfColumn(red.at(4)), textOfColumn(red.at(5))};
}

} // namespace

QString upitPosetaPacijenta() {
    return PatientVisits;
}

Result<QList<Stavka>> posetePacijenta(Transaction& sqlca, int rbrAdresar) {
    return readRowsAs<Stavka>(sqlca, PatientVisits, {rbrAdresar}, [](const QVariantList& red) {
        return Stavka{red.at(0).toInt(), dateOfColumn(red.at(1)), textOfColumn(red.at(2))};
    });
}

Result<QList<Zaglavlje>> zaglavlje(Transaction& sqlca, int rbr) {
    return readRowsAs<Zaglavlje>(sqlca, VisitRow, {rbr}, [](const QVariantList& red) {
        return Zaglavlje{red.at(0).toInt(),       red.at(1).toInt(),       dateOfColumn(red.at(2)),
                         textOfColumn(red.at(3)), textOfColumn(red.at(4)), red.at(5).toInt()};
    });
}

Result<QList<Polje>> polja(Transaction& sqlca, int rbr) {
    return readRowsAs<Polje>(sqlca, VisitFields, {rbr}, [](const QVariantList& red) {
        return Polje{textOfColumn(red.at(0)), textOfColumn(red.at(1))};
    });
}

Result<QList<Pacijent>> pacijentPoMbr(Transaction& sqlca, const QString& mbr) {
    return readRowsAs<Pacijent>(sqlca,
                                PatientColumns + QStringLiteral("WHERE mbr = ? ORDER BY rbr"),
                                {mbr}, pacijentIzReda);
}

Result<QList<Pacijent>> pacijent(Transaction& sqlca, int rbr) {
    return readRowsAs<Pacijent>(sqlca, PatientColumns + QStringLiteral("WHERE rbr = ?"), {rbr},
                                pacijentIzReda);
}

Result<QList<Pacijent>> pacijenti(Transaction& sqlca) {
    return readRowsAs<Pacijent>(
        sqlca, PatientColumns + QStringLiteral("ORDER BY prezime, ime, rbr"), {}, pacijentIzReda);
}

Result<std::optional<int>> verzija(Transaction& sqlca, int rbr) {
    return readOne<int>(sqlca, VisitVersion, {rbr}, [](const QVariant& v) { return v.toInt(); });
}

Result<std::optional<int>> brojPosetaPacijenta(Transaction& sqlca, int rbrAdresar) {
    return readOne<int>(sqlca, PatientVisitCount, {rbrAdresar},
                        [](const QVariant& count) { return count.toInt(); });
}

Result<int> unesi(Transaction& sqlca, int rbrAdresar, const QDate& datum,
                  const QString& brojProtokola, const QString& lekar) {
    return insertWithKey(
        sqlca, Insert, {rbrAdresar, datum, textOrNull(brojProtokola), textOrNull(lekar)},
        QStringLiteral("rbr"), QStringLiteral("poseta: baza nije vratila ključ nove posete"));
}

Result<> izmeni(Transaction& sqlca, int rbr, int verzija, int rbrAdresar, const QDate& datum,
                const QString& brojProtokola, const QString& lekar) {
    return sqlca.execute(
        Update, {rbrAdresar, datum, textOrNull(brojProtokola), textOrNull(lekar), rbr, verzija});
}

Result<> obrisiPolja(Transaction& sqlca, int rbr) {
    return sqlca.execute(DeleteFields, {rbr});
}

Result<> unesiPolje(Transaction& sqlca, int rbr, const Polje& polje) {
    return sqlca.execute(InsertField, {rbr, polje.polje, polje.vrednost});
}

Result<> izmeniPolje(Transaction& sqlca, int rbr, const Polje& polje) {
    return sqlca.execute(UpdateField, {polje.vrednost, rbr, polje.polje});
}

Result<> obrisiPolje(Transaction& sqlca, int rbr, const QString& polje) {
    return sqlca.execute(DeleteField, {rbr, polje});
}

Result<QList<SlicanPacijent>> slicniPacijenti(Transaction& sqlca, const QString& prezime,
                                              const QString& ime,
                                              const std::optional<QDate>& rodjen) {
    QVariantList values{prezime, ime};
    QString poRodjenju;
    if (rodjen) {
        poRodjenju = QStringLiteral(" OR t.datum_rodjenja = ?");
        values << *rodjen;
    }
    return readRowsAs<SlicanPacijent>(
        sqlca, Similar.arg(poRodjenju), values, [](const QVariantList& red) {
            return SlicanPacijent{red.at(0).toInt(),       textOfColumn(red.at(1)),
                                  textOfColumn(red.at(2)), textOfColumn(red.at(3)),
                                  textOfColumn(red.at(4)), dateOfColumn(red.at(5))};
        });
}

Result<std::optional<int>> najstarijaGodina(Transaction& sqlca) {
    Result<std::optional<int>> godina = readOne<int>(
        sqlca, OldestYear, {}, [](const QVariant& v) { return dateOfColumn(v).year(); });
    if (godina.value && *godina.value <= 0) // MIN of no rows is NULL
        godina.value.reset();
    return godina;
}

Result<> premestiPosete(Transaction& sqlca, int odRbr, int naRbr) {
    return sqlca.execute(MoveVisits, {naRbr, odRbr});
}

} // namespace poseta_sql
