#include "domain/addressbook/adresar_sql.h"

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

QVariant integerOrNull(const QVariant& value) {
    return value.isNull() ? nullInteger() : QVariant(value.toInt());
}

int toInt(const QVariant& value) {
    return value.toInt();
}

QString textOf(const QVariant& value) {
    return value.isNull() ? QString() : value.toString();
}

} // namespace

One<int> najveciRbr(Transaction& sqlca) {
    return readOne<int>(sqlca, MaxRbr, {}, toInt);
}

One<int> brojIstogMbr(Transaction& sqlca, const QVariant& mbr) {
    return readOne<int>(sqlca, CountMbr, {mbr}, toInt);
}

One<int> brojIstogMbr(Transaction& sqlca, const QVariant& mbr, int rbr) {
    return readOne<int>(sqlca, CountMbrOthers, {mbr, rbr}, toInt);
}

One<bool> postojiRbr(Transaction& sqlca, int rbr) {
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

void unesi(Transaction& sqlca, const AdresarUnos& unos) {
    sqlca.execute(Insert, vrednostiZaUnos(unos));
}

void izmeni(Transaction& sqlca, const AdresarUnos& unos) {
    QVariantList values = vrednostiZaUnos(unos);
    values.removeFirst(); // rbr goes to the WHERE clause
    values << unos.rbr;
    sqlca.execute(Update, values);
}

void obrisi(Transaction& sqlca, int rbr) {
    sqlca.execute(Delete, {rbr});
}

void postaviMbr(Transaction& sqlca, int rbr, const QString& mbr) {
    sqlca.execute(QStringLiteral("UPDATE adresar SET mbr = ? WHERE rbr = ?"), {mbr, rbr});
}

One<int> rbrStatusa(Transaction& sqlca, const QString& naziv) {
    return readOne<int>(sqlca, StatusByName, {naziv}, toInt);
}

QString upitZaUnos(int rbr) {
    return QStringLiteral("SELECT * FROM adresar WHERE rbr = ") + QString::number(rbr);
}

AdresarUnos unosIzReda(const QVariantList& red) {
    AdresarUnos unos;
    auto at = [&red](int column) { return column < red.size() ? red.at(column) : QVariant(); };
    unos.rbr = at(0).toInt();
    unos.ime = textOf(at(1));
    unos.prezime = textOf(at(2));
    unos.s_slovo = textOf(at(3));
    unos.mbr = textOf(at(4));
    unos.pol = at(5).isNull() ? QVariant() : QVariant(at(5).toInt());
    unos.status = at(6).isNull() ? QVariant() : QVariant(at(6).toInt());
    int column = 7;
    for (QString AdresarUnos::*tekst : AdresniTekstovi)
        unos.*tekst = textOf(at(column++));
    return unos;
}

Rows<AdresarUnos> unos(Transaction& sqlca, int rbr) {
    return readRowsAs<AdresarUnos>(sqlca, upitZaUnos(rbr), {}, unosIzReda);
}

Rows<Status> statusi(Transaction& sqlca) {
    return readRowsAs<Status>(sqlca, QStringLiteral("SELECT rbr, naziv FROM status ORDER BY rbr"),
                              {}, [](const QVariantList& red) {
                                  return Status{red.value(0).toInt(), red.value(1).toString()};
                              });
}

void potvrdi(Transaction& sqlca) {
    sqlca.commit();
}

} // namespace adresar_sql
