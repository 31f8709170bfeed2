#include "domain/appointments/zakazivanje_sql.h"

#include "runtime/core/dates.h"
#include "runtime/core/transaction.h"

namespace zakazivanje_sql {

namespace {

const QString DayRows = QStringLiteral(
    "SELECT z.rbr, z.datum, z.vreme, z.opis, z.rbr_adresar, a.prezime, a.ime, a.telefon, "
    "a.mob_telefon FROM zakazivanje z LEFT JOIN adresar a ON a.rbr = z.rbr_adresar "
    "WHERE z.datum = ? ORDER BY z.vreme");
const QString BookedDays = QStringLiteral(
    "SELECT DISTINCT datum FROM zakazivanje WHERE datum BETWEEN ? AND ? ORDER BY datum");
const QString SlotKey = QStringLiteral("SELECT rbr FROM zakazivanje WHERE datum = ? AND vreme = ?");
const QString PatientExists = QStringLiteral("SELECT COUNT(*) FROM adresar WHERE rbr = ?");
const QString PatientBookings =
    QStringLiteral("SELECT COUNT(*) FROM zakazivanje WHERE rbr_adresar = ?");
const QString Patients =
    QStringLiteral("SELECT rbr, prezime, ime FROM adresar ORDER BY prezime, ime, rbr");
const QString Insert =
    QStringLiteral("INSERT INTO zakazivanje (datum, vreme, opis, rbr_adresar) VALUES (?, ?, ?, ?)");
const QString Update =
    QStringLiteral("UPDATE zakazivanje SET rbr_adresar = ?, opis = ? WHERE rbr = ?");
const QString Delete = QStringLiteral("DELETE FROM zakazivanje WHERE rbr = ?");

QString textOf(const QVariant& value) {
    return value.isNull() ? QString() : value.toString();
}

// The drivers hand a TIME column back as a time or as its text.
QTime timeOf(const QVariant& value) {
    if (value.typeId() == QMetaType::QTime)
        return value.toTime();
    const QString text = value.toString();
    return QTime::fromString(text.left(text.size() >= 8 ? 8 : 5), text.size() >= 8
                                                                      ? QStringLiteral("HH:mm:ss")
                                                                      : QStringLiteral("HH:mm"));
}

QVariant patientOrNull(std::optional<int> rbr) {
    return rbr ? QVariant(*rbr) : nullInteger();
}

// A slot's time to the whole second, so that equal slots compare equal in the database.
QVariant timeValue(const QTime& vreme) {
    return QTime(vreme.hour(), vreme.minute(), vreme.second());
}

} // namespace

Rows<Termin> terminiDana(Transaction& sqlca, const QDate& dan) {
    return readRowsAs<Termin>(sqlca, DayRows, {dan}, [](const QVariantList& red) {
        Termin termin;
        termin.rbr = red.at(0).toInt();
        termin.datum = dateOfColumn(red.at(1));
        termin.vreme = timeOf(red.at(2));
        termin.opis = textOf(red.at(3));
        if (!red.at(4).isNull())
            termin.rbrAdresar = red.at(4).toInt();
        termin.prezime = textOf(red.at(5));
        termin.ime = textOf(red.at(6));
        termin.telefon = textOf(red.at(7));
        termin.mobTelefon = textOf(red.at(8));
        return termin;
    });
}

Rows<QDate> zauzetiDani(Transaction& sqlca, const QDate& od, const QDate& do_) {
    return readRowsAs<QDate>(sqlca, BookedDays, {od, do_},
                             [](const QVariantList& red) { return dateOfColumn(red.at(0)); });
}

One<int> rbrTermina(Transaction& sqlca, const QDate& datum, const QTime& vreme) {
    return readOne<int>(sqlca, SlotKey, {datum, timeValue(vreme)},
                        [](const QVariant& rbr) { return rbr.toInt(); });
}

One<bool> postojiPacijent(Transaction& sqlca, int rbr) {
    return readOne<bool>(sqlca, PatientExists, {rbr},
                         [](const QVariant& count) { return count.toInt() > 0; });
}

One<int> brojTerminaPacijenta(Transaction& sqlca, int rbr) {
    return readOne<int>(sqlca, PatientBookings, {rbr},
                        [](const QVariant& count) { return count.toInt(); });
}

void premestiTermine(Transaction& sqlca, int odRbr, int naRbr) {
    sqlca.execute(QStringLiteral("UPDATE zakazivanje SET rbr_adresar = ? WHERE rbr_adresar = ?"),
                  {naRbr, odRbr});
}

Rows<Pacijent> pacijenti(Transaction& sqlca) {
    return readRowsAs<Pacijent>(sqlca, Patients, {}, [](const QVariantList& red) {
        return Pacijent{red.at(0).toInt(), textOf(red.at(1)), textOf(red.at(2))};
    });
}

void unesi(Transaction& sqlca, const QDate& datum, const QTime& vreme,
           std::optional<int> rbrAdresar, const QString& opis) {
    sqlca.execute(Insert, {datum, timeValue(vreme), textOrNull(opis), patientOrNull(rbrAdresar)});
}

void izmeni(Transaction& sqlca, int rbr, std::optional<int> rbrAdresar, const QString& opis) {
    sqlca.execute(Update, {patientOrNull(rbrAdresar), textOrNull(opis), rbr});
}

void obrisi(Transaction& sqlca, int rbr) {
    sqlca.execute(Delete, {rbr});
}

void potvrdi(Transaction& sqlca) {
    sqlca.commit();
}

} // namespace zakazivanje_sql
