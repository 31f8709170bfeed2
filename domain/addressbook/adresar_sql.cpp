#include "domain/addressbook/adresar_sql.h"

#include "runtime/core/background_read.h"
#include "runtime/core/convert.h"
#include "runtime/core/cursor_reader.h"
#include "runtime/core/transaction.h"

namespace adresar_sql {

namespace {

const QString MaxRbr = QStringLiteral("SELECT MAX ( rbr ) FROM adresar");
const QString CountMbr = QStringLiteral("SELECT COUNT ( rbr ) FROM adresar WHERE mbr = ?");
const QString CountMbrOthers =
    QStringLiteral("SELECT COUNT ( rbr ) FROM adresar WHERE mbr = ? AND rbr <> ?");
const QString KeyExists = QStringLiteral("SELECT COUNT ( rbr ) FROM adresar WHERE rbr = ?");
const QString Insert = QStringLiteral("INSERT INTO adresar VALUES ( ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                      "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ? )");
const QString Update = QStringLiteral(
    "UPDATE adresar SET ime = ?, prezime = ?, s_slovo = ?, mbr = ?, pol = ?, status = ?, "
    "ulica = ?, grad = ?, telefon = ?, mob_telefon = ?, fax = ?, email = ?, firma = ?, "
    "dept = ?, p_ulica = ?, p_grad = ?, p_telefon1 = ?, p_telefon2 = ?, p_fax = ?, "
    "p_email = ?, napomena = ? WHERE rbr = ?");
const QString Delete = QStringLiteral("DELETE FROM adresar WHERE rbr = ?");
const QString StatusByName = QStringLiteral("SELECT rbr FROM status WHERE naziv = ?");
const QString List = QStringLiteral(
    "SELECT adresar.ime, adresar.prezime, adresar.mbr, adresar.rbr FROM adresar INNER JOIN status "
    "ON adresar.status = status.rbr WHERE adresar.prezime LIKE ? AND status.naziv LIKE ?");

QVariant integerOrNull(const QVariant& value) {
    return value.isNull() ? nullInteger() : QVariant(value.toInt());
}

int toInt(const QVariant& value) {
    return value.toInt();
}

} // namespace

Result<std::optional<int>> najveciRbr(Transaction& sqlca) {
    return readOne<int>(sqlca, MaxRbr, {}, toInt);
}

Result<std::optional<int>> brojIstogMbr(Transaction& sqlca, const QVariant& mbr) {
    return readOne<int>(sqlca, CountMbr, {mbr}, toInt);
}

Result<std::optional<int>> brojIstogMbr(Transaction& sqlca, const QVariant& mbr, int rbr) {
    return readOne<int>(sqlca, CountMbrOthers, {mbr, rbr}, toInt);
}

Result<std::optional<bool>> postojiRbr(Transaction& sqlca, int rbr) {
    return readOne<bool>(sqlca, KeyExists, {rbr},
                         [](const QVariant& count) { return count.toInt() > 0; });
}

QVariantList vrednostiZaUnos(const AdresarUnos& unos) {
    QVariantList values{unos.rbr,
                        unos.ime,
                        unos.prezime,
                        textOrNull(unos.s_slovo),
                        textOrNull(unos.mbr),
                        integerOrNull(unos.pol),
                        integerOrNull(unos.status)};
    for (QString AdresarUnos::*tekst : AdresniTekstovi)
        values << textOrNull(unos.*tekst);
    return values;
}

Result<bool> nestao(Transaction& sqlca, int rbr) {
    const Result<std::optional<bool>> postoji = postojiRbr(sqlca, rbr);
    return {postoji.outcome(), postoji.value.has_value() && !*postoji.value};
}

Result<> unesi(Transaction& sqlca, const AdresarUnos& unos) {
    return sqlca.execute(Insert, vrednostiZaUnos(unos));
}

Result<> izmeni(Transaction& sqlca, const AdresarUnos& unos) {
    QVariantList values = vrednostiZaUnos(unos);
    values.removeFirst(); // rbr goes to the WHERE clause
    values << unos.rbr;
    return sqlca.execute(Update, values);
}

Result<> obrisi(Transaction& sqlca, int rbr) {
    return sqlca.execute(Delete, {rbr});
}

Result<> postaviMbr(Transaction& sqlca, int rbr, const QString& mbr) {
    return sqlca.execute(QStringLiteral("UPDATE adresar SET mbr = ? WHERE rbr = ?"), {mbr, rbr});
}

Result<std::optional<int>> rbrStatusa(Transaction& sqlca, const QString& naziv) {
    return readOne<int>(sqlca, StatusByName, {naziv}, toInt);
}

QString upitZaUnos(int rbr) {
    return QStringLiteral("SELECT * FROM adresar WHERE rbr = ") + QString::number(rbr);
}

AdresarUnos unosIzReda(const QVariantList& red) {
    AdresarUnos unos;
    auto at = [&red](int column) { return column < red.size() ? red.at(column) : QVariant(); };
    unos.rbr = at(0).toInt();
    unos.ime = textOfColumn(at(1));
    unos.prezime = textOfColumn(at(2));
    unos.s_slovo = textOfColumn(at(3));
    unos.mbr = textOfColumn(at(4));
    unos.pol = at(5).isNull() ? QVariant() : QVariant(at(5).toInt());
    unos.status = at(6).isNull() ? QVariant() : QVariant(at(6).toInt());
    int column = 7;
    for (QString AdresarUnos::*tekst : AdresniTekstovi)
        unos.*tekst = textOfColumn(at(column++));
    return unos;
}

Result<QList<AdresarUnos>> unos(Transaction& sqlca, int rbr) {
    return readRowsAs<AdresarUnos>(sqlca, upitZaUnos(rbr), {}, unosIzReda);
}

Result<QList<Status>> statusi(Transaction& sqlca) {
    return readRowsAs<Status>(sqlca, QStringLiteral("SELECT rbr, naziv FROM status ORDER BY rbr"),
                              {}, [](const QVariantList& red) {
                                  return Status{red.value(0).toInt(), red.value(1).toString()};
                              });
}

QString upitSpiska() {
    return List;
}

Result<ResultColumns> spisak(Transaction& sqlca, const QString& prezime, const QString& status) {
    return readResult(sqlca, List, {prezime, status});
}

SpisakUPozadini::SpisakUPozadini(Transaction& sqlca, const QString& prezime, const QString& status)
    : m_citanje(std::make_unique<BackgroundRead>(sqlca, List, QVariantList{prezime, status})) {}

SpisakUPozadini::~SpisakUPozadini() = default;

Result<ResultColumns> SpisakUPozadini::rezultat() {
    return m_citanje->result();
}

} // namespace adresar_sql
