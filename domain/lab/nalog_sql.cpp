#include "domain/lab/nalog_sql.h"

#include "runtime/core/convert.h"
#include "runtime/core/cursor_reader.h"
#include "runtime/core/dates.h"
#include "runtime/core/generated_key.h"
#include "runtime/core/transaction.h"

namespace nalog_sql {

namespace {

// Dates and amounts as text: integers and texts are what the block reader reads, so a list comes
// through it in one go, and the text of a NUMERIC is exact on both engines.
const QString PatientOrders = QStringLiteral(
    "SELECT rbr, CAST(datum AS VARCHAR(10)), otkazan FROM nalog WHERE rbr_adresar = ? "
    "ORDER BY datum DESC, rbr DESC");
const QString OrderRow = QStringLiteral(
    "SELECT rbr, rbr_adresar, rbr_poseta, CAST(datum AS VARCHAR(10)), popust, "
    "CAST(cena_hem AS VARCHAR(20)), CAST(ukupno_hem AS VARCHAR(20)), "
    "CAST(ukupno_biohem AS VARCHAR(20)), CAST(ukupno_urin AS VARCHAR(20)), "
    "CAST(svega AS VARCHAR(20)), otkazan, verzija, verzija_rezultata FROM nalog WHERE rbr = ?");
const QString OrderLines = QStringLiteral(
    "SELECT s.rbr, s.grupa, s.podgrupa, s.rbr_nalaza, s.naziv, CAST(s.cena AS VARCHAR(20)), "
    "(SELECT COUNT(*) FROM rezultat r WHERE r.rbr_stavka = s.rbr) FROM nalog_stavka s "
    "WHERE s.rbr_nalog = ? ORDER BY s.rbr");
const QString PatientRow =
    QStringLiteral("SELECT rbr, ime, prezime, mbr, pol FROM adresar WHERE rbr = ?");
const QString VisitPatient = QStringLiteral("SELECT rbr_adresar FROM poseta WHERE rbr = ?");
const QString PatientOrderCount =
    QStringLiteral("SELECT COUNT(*) FROM nalog WHERE rbr_adresar = ?");
const QString Amount = QStringLiteral("CAST(? AS NUMERIC(14,2))");
const QString Insert =
    QStringLiteral("INSERT INTO nalog (rbr_adresar, rbr_poseta, datum, popust, cena_hem, "
                   "ukupno_hem, ukupno_biohem, ukupno_urin, svega, verzija, "
                   "verzija_rezultata) VALUES (?, ?, ?, ?, %1, %1, %1, %1, %1, 1, 1)")
        .arg(Amount);
const QString Update =
    QStringLiteral("UPDATE nalog SET rbr_poseta = ?, popust = ?, cena_hem = %1, ukupno_hem = %1, "
                   "ukupno_biohem = %1, ukupno_urin = %1, svega = %1, verzija = verzija + 1, "
                   "upisano = CURRENT_TIMESTAMP WHERE rbr = ? AND verzija = ? AND otkazan = 0")
        .arg(Amount);
const QString Cancel = QStringLiteral(
    "UPDATE nalog SET otkazan = 1, verzija = verzija + 1, upisano = CURRENT_TIMESTAMP "
    "WHERE rbr = ? AND verzija = ? AND otkazan = 0");
const QString ResultsChanged =
    QStringLiteral("UPDATE nalog SET verzija_rezultata = verzija_rezultata + 1 WHERE rbr = ?");
const QString MoveOrders = QStringLiteral("UPDATE nalog SET rbr_adresar = ? WHERE rbr_adresar = ?");
const QString InsertLine =
    QStringLiteral("INSERT INTO nalog_stavka (rbr_nalog, grupa, podgrupa, rbr_nalaza, naziv, cena) "
                   "VALUES (?, ?, ?, ?, ?, %1)")
        .arg(Amount);
const QString UpdateLine =
    QStringLiteral("UPDATE nalog_stavka SET naziv = ?, cena = %1 WHERE rbr = ?").arg(Amount);
const QString DeleteLine = QStringLiteral("DELETE FROM nalog_stavka WHERE rbr = ?");
const QString BezKljuca = QStringLiteral("baza nije vratila ključ novog reda");

std::optional<int> integerOf(const QVariant& value) {
    if (!value.isValid() || value.isNull())
        return std::nullopt;
    return value.toInt();
}

Decimal amountOf(const QVariant& value) {
    return decimalOfColumn(value).value_or(Decimal());
}

QVariant integerOrNull(const std::optional<int>& value) {
    return value ? QVariant(*value) : nullInteger();
}

} // namespace

QVariant iznos(const std::optional<Decimal>& iznos) {
    return iznos ? QVariant(iznos->toString(2)) : nullText();
}

QString upitNalogaPacijenta() {
    return PatientOrders;
}

Result<QList<StavkaSpiska>> naloziPacijenta(Transaction& sqlca, int rbrAdresar) {
    return readRowsAs<StavkaSpiska>(
        sqlca, PatientOrders, {rbrAdresar}, [](const QVariantList& red) {
            return StavkaSpiska{red.at(0).toInt(), dateOfColumn(red.at(1)), red.at(2).toInt() != 0};
        });
}

Result<QList<Zaglavlje>> zaglavlje(Transaction& sqlca, int rbr) {
    return readRowsAs<Zaglavlje>(sqlca, OrderRow, {rbr}, [](const QVariantList& red) {
        Zaglavlje nalog;
        nalog.rbr = red.at(0).toInt();
        nalog.rbrAdresar = red.at(1).toInt();
        nalog.rbrPoseta = integerOf(red.at(2));
        nalog.datum = dateOfColumn(red.at(3));
        nalog.popust = textOfColumn(red.at(4));
        nalog.cenaHem = decimalOfColumn(red.at(5));
        nalog.ukupnoHem = amountOf(red.at(6));
        nalog.ukupnoBiohem = amountOf(red.at(7));
        nalog.ukupnoUrin = amountOf(red.at(8));
        nalog.svega = amountOf(red.at(9));
        nalog.otkazan = red.at(10).toInt() != 0;
        nalog.verzija = red.at(11).toInt();
        nalog.verzijaRezultata = red.at(12).toInt();
        return nalog;
    });
}

Result<QList<Stavka>> stavke(Transaction& sqlca, int rbrNalog) {
    return readRowsAs<Stavka>(sqlca, OrderLines, {rbrNalog}, [](const QVariantList& red) {
        Stavka stavka;
        stavka.rbr = red.at(0).toInt();
        stavka.grupa = qint16(red.at(1).toInt());
        stavka.podgrupa = qint16(red.at(2).toInt());
        stavka.rbrNalaza = qint16(red.at(3).toInt());
        stavka.naziv = textOfColumn(red.at(4));
        stavka.cena = decimalOfColumn(red.at(5));
        stavka.imaRezultat = red.at(6).toInt() > 0;
        return stavka;
    });
}

Result<QList<Pacijent>> pacijent(Transaction& sqlca, int rbr) {
    return readRowsAs<Pacijent>(sqlca, PatientRow, {rbr}, [](const QVariantList& red) {
        return Pacijent{red.at(0).toInt(), textOfColumn(red.at(1)), textOfColumn(red.at(2)),
                        textOfColumn(red.at(3)), red.at(4).isNull() ? QVariant() : red.at(4)};
    });
}

Result<std::optional<int>> pacijentPosete(Transaction& sqlca, int rbrPoseta) {
    return readOne<int>(sqlca, VisitPatient, {rbrPoseta},
                        [](const QVariant& rbr) { return rbr.toInt(); });
}

Result<std::optional<int>> brojNalogaPacijenta(Transaction& sqlca, int rbrAdresar) {
    return readOne<int>(sqlca, PatientOrderCount, {rbrAdresar},
                        [](const QVariant& count) { return count.toInt(); });
}

Result<int> unesi(Transaction& sqlca, const Zaglavlje& nalog) {
    return insertWithKey(sqlca, Insert,
                         {nalog.rbrAdresar, integerOrNull(nalog.rbrPoseta), nalog.datum,
                          textOrNull(nalog.popust), iznos(nalog.cenaHem), iznos(nalog.ukupnoHem),
                          iznos(nalog.ukupnoBiohem), iznos(nalog.ukupnoUrin), iznos(nalog.svega)},
                         QStringLiteral("rbr"), BezKljuca);
}

Result<> izmeni(Transaction& sqlca, const Zaglavlje& nalog) {
    return sqlca.execute(Update,
                         {integerOrNull(nalog.rbrPoseta), textOrNull(nalog.popust),
                          iznos(nalog.cenaHem), iznos(nalog.ukupnoHem), iznos(nalog.ukupnoBiohem),
                          iznos(nalog.ukupnoUrin), iznos(nalog.svega), nalog.rbr, nalog.verzija});
}

Result<> otkazi(Transaction& sqlca, int rbr, int verzija) {
    return sqlca.execute(Cancel, {rbr, verzija});
}

Result<> promeniVerzijuRezultata(Transaction& sqlca, int rbr) {
    return sqlca.execute(ResultsChanged, {rbr});
}

Result<> premestiNaloge(Transaction& sqlca, int odRbr, int naRbr) {
    return sqlca.execute(MoveOrders, {naRbr, odRbr});
}

Result<int> unesiStavku(Transaction& sqlca, int rbrNalog, const Stavka& stavka) {
    return insertWithKey(sqlca, InsertLine,
                         {rbrNalog, int(stavka.grupa), int(stavka.podgrupa), int(stavka.rbrNalaza),
                          stavka.naziv, iznos(stavka.cena)},
                         QStringLiteral("rbr"), BezKljuca);
}

Result<> izmeniStavku(Transaction& sqlca, const Stavka& stavka) {
    return sqlca.execute(UpdateLine, {stavka.naziv, iznos(stavka.cena), stavka.rbr});
}

Result<> obrisiStavku(Transaction& sqlca, int rbrStavka) {
    return sqlca.execute(DeleteLine, {rbrStavka});
}

} // namespace nalog_sql
