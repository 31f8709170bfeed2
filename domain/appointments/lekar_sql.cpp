#include "domain/appointments/lekar_sql.h"

#include "runtime/core/transaction.h"

namespace lekar_sql {

namespace {

const QString Doctors = QStringLiteral("SELECT rbr, naziv FROM lekar ORDER BY rbr");
const QString Bookings = QStringLiteral("SELECT COUNT(*) FROM zakazivanje WHERE rbr_lekar = ?");
const QString NameTaken = QStringLiteral("SELECT COUNT(*) FROM lekar WHERE naziv = ? AND rbr <> ?");
const QString Insert = QStringLiteral("INSERT INTO lekar (naziv) VALUES (?)");
const QString Rename = QStringLiteral("UPDATE lekar SET naziv = ? WHERE rbr = ?");
const QString Delete = QStringLiteral("DELETE FROM lekar WHERE rbr = ?");

} // namespace

Rows<Lekar> lekari(Transaction& sqlca) {
    return readRowsAs<Lekar>(sqlca, Doctors, {}, [](const QVariantList& red) {
        return Lekar{red.at(0).toInt(), red.at(1).toString()};
    });
}

One<int> brojTermina(Transaction& sqlca, int rbr) {
    return readOne<int>(sqlca, Bookings, {rbr},
                        [](const QVariant& count) { return count.toInt(); });
}

One<bool> postojiNaziv(Transaction& sqlca, const QString& naziv, int rbr) {
    return readOne<bool>(sqlca, NameTaken, {naziv, rbr},
                         [](const QVariant& count) { return count.toInt() > 0; });
}

void unesi(Transaction& sqlca, const QString& naziv) {
    sqlca.execute(Insert, {naziv});
}

void preimenuj(Transaction& sqlca, int rbr, const QString& naziv) {
    sqlca.execute(Rename, {naziv, rbr});
}

void obrisi(Transaction& sqlca, int rbr) {
    sqlca.execute(Delete, {rbr});
}

} // namespace lekar_sql
