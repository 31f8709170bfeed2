#include "domain/appointments/lekar_sql.h"

#include "runtime/core/cursor_reader.h"
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

Result<QList<Lekar>> lekari(Transaction& sqlca) {
    return readRowsAs<Lekar>(sqlca, Doctors, {}, [](const QVariantList& red) {
        return Lekar{red.at(0).toInt(), red.at(1).toString()};
    });
}

Result<std::optional<int>> brojTermina(Transaction& sqlca, int rbr) {
    return readOne<int>(sqlca, Bookings, {rbr},
                        [](const QVariant& count) { return count.toInt(); });
}

Result<std::optional<bool>> postojiNaziv(Transaction& sqlca, const QString& naziv, int rbr) {
    return readOne<bool>(sqlca, NameTaken, {naziv, rbr},
                         [](const QVariant& count) { return count.toInt() > 0; });
}

Result<> unesi(Transaction& sqlca, const QString& naziv) {
    return sqlca.execute(Insert, {naziv});
}

Result<> preimenuj(Transaction& sqlca, int rbr, const QString& naziv) {
    return sqlca.execute(Rename, {naziv, rbr});
}

Result<> obrisi(Transaction& sqlca, int rbr) {
    return sqlca.execute(Delete, {rbr});
}

} // namespace lekar_sql
