#include "domain/appointments/zakazivanje_sql.h"

#include "runtime/core/convert.h"
#include "runtime/core/cursor_reader.h"
#include "runtime/core/dates.h"
#include "runtime/core/transaction.h"

namespace zakazivanje_sql {

namespace {

using status_termina::Status;

const QString Bookings = QStringLiteral(
    "SELECT z.rbr, z.rbr_lekar, z.datum, z.vreme, z.opis, z.rbr_adresar, a.prezime, a.ime, "
    "a.telefon, a.mob_telefon, z.pacijent, z.status, z.verzija FROM zakazivanje z "
    "LEFT JOIN adresar a ON a.rbr = z.rbr_adresar ");
const QString DayRows =
    Bookings + QStringLiteral("WHERE z.rbr_lekar = ? AND z.datum = ? ORDER BY z.vreme, "
                              "CASE WHEN z.status = 'otkazan' THEN 1 ELSE 0 END, z.rbr");
const QString OneBooking = Bookings + QStringLiteral("WHERE z.rbr = ?");
// Through the partial index that keeps the slots: at most one doctor's half-hour grid for each day
// of the month, whatever else is stored, and never a cancelled booking.
const QString BookedDays = QStringLiteral(
    "SELECT DISTINCT datum FROM zakazivanje WHERE rbr_lekar = ? AND datum BETWEEN ? AND ? "
    "AND status <> 'otkazan' ORDER BY datum");
const QString SlotKey =
    QStringLiteral("SELECT rbr FROM zakazivanje WHERE rbr_lekar = ? AND datum = ? AND vreme = ? "
                   "AND status <> 'otkazan'");
const QString Version = QStringLiteral("SELECT verzija FROM zakazivanje WHERE rbr = ?");
const QString PatientBookings =
    QStringLiteral("SELECT z.rbr, z.rbr_lekar, l.naziv, z.datum, z.vreme, z.opis, z.status "
                   "FROM zakazivanje z JOIN lekar l ON l.rbr = z.rbr_lekar "
                   "WHERE z.rbr_adresar = ? %1 ORDER BY z.datum, z.vreme, z.rbr");
const QString Patients = QStringLiteral(
    "SELECT rbr, prezime, ime, mbr, grad, telefon FROM adresar ORDER BY prezime, ime, rbr");
const QString Insert =
    QStringLiteral("INSERT INTO zakazivanje (rbr_lekar, datum, vreme, opis, rbr_adresar) "
                   "VALUES (?, ?, ?, ?, ?)");
const QString Update =
    QStringLiteral("UPDATE zakazivanje SET rbr_adresar = ?, opis = ?, verzija = verzija + 1 "
                   "WHERE rbr = ? AND verzija = ?");
const QString Move = QStringLiteral("UPDATE zakazivanje SET rbr_lekar = ?, datum = ?, vreme = ?, "
                                    "verzija = verzija + 1 WHERE rbr = ? AND verzija = ?");
const QString SetStatus = QStringLiteral("UPDATE zakazivanje SET status = ?, verzija = verzija + 1 "
                                         "WHERE rbr = ? AND verzija = ?");

// The drivers hand a TIME column back as a time or as its text.
QTime timeOf(const QVariant& value) {
    if (value.typeId() == QMetaType::QTime)
        return value.toTime();
    const QString text = value.toString();
    return QTime::fromString(text.left(text.size() >= 8 ? 8 : 5), text.size() >= 8
                                                                      ? QStringLiteral("HH:mm:ss")
                                                                      : QStringLiteral("HH:mm"));
}

// A code this program does not know reads as booked: the slot is taken, whatever it means.
Status statusOf(const QVariant& value) {
    return status_termina::izKoda(textOfColumn(value)).value_or(Status::Zakazan);
}

QVariant patientOrNull(std::optional<int> rbr) {
    return rbr ? QVariant(*rbr) : nullInteger();
}

// A slot's time to the whole second, so that equal slots compare equal in the database.
QVariant timeValue(const QTime& vreme) {
    return QTime(vreme.hour(), vreme.minute(), vreme.second());
}

TerminPacijenta terminPacijentaIz(const QVariantList& red) {
    TerminPacijenta termin;
    termin.rbr = red.at(0).toInt();
    termin.rbrLekar = red.at(1).toInt();
    termin.lekar = textOfColumn(red.at(2));
    termin.datum = dateOfColumn(red.at(3));
    termin.vreme = timeOf(red.at(4));
    termin.opis = textOfColumn(red.at(5));
    termin.status = statusOf(red.at(6));
    return termin;
}

Termin terminIz(const QVariantList& red) {
    Termin termin;
    termin.rbr = red.at(0).toInt();
    termin.rbrLekar = red.at(1).toInt();
    termin.datum = dateOfColumn(red.at(2));
    termin.vreme = timeOf(red.at(3));
    termin.opis = textOfColumn(red.at(4));
    if (!red.at(5).isNull())
        termin.rbrAdresar = red.at(5).toInt();
    termin.prezime = textOfColumn(red.at(6));
    termin.ime = textOfColumn(red.at(7));
    termin.telefon = textOfColumn(red.at(8));
    termin.mobTelefon = textOfColumn(red.at(9));
    termin.sacuvanoIme = textOfColumn(red.at(10));
    termin.status = statusOf(red.at(11));
    termin.verzija = red.at(12).toInt();
    return termin;
}

} // namespace

Result<QList<Termin>> terminiDana(Transaction& sqlca, int rbrLekar, const QDate& dan) {
    return readRowsAs<Termin>(sqlca, DayRows, {rbrLekar, dan}, terminIz);
}

Result<QList<Termin>> termin(Transaction& sqlca, int rbr) {
    return readRowsAs<Termin>(sqlca, OneBooking, {rbr}, terminIz);
}

Result<QList<QDate>> zauzetiDani(Transaction& sqlca, int rbrLekar, const QDate& od,
                                 const QDate& do_) {
    return readRowsAs<QDate>(sqlca, BookedDays, {rbrLekar, od, do_},
                             [](const QVariantList& red) { return dateOfColumn(red.at(0)); });
}

Result<std::optional<int>> rbrTermina(Transaction& sqlca, int rbrLekar, const QDate& datum,
                                      const QTime& vreme) {
    return readOne<int>(sqlca, SlotKey, {rbrLekar, datum, timeValue(vreme)},
                        [](const QVariant& rbr) { return rbr.toInt(); });
}

Result<std::optional<int>> verzija(Transaction& sqlca, int rbr) {
    return readOne<int>(sqlca, Version, {rbr}, [](const QVariant& v) { return v.toInt(); });
}

Result<QList<TerminPacijenta>> terminiPacijenta(Transaction& sqlca, int rbrAdresar) {
    return readRowsAs<TerminPacijenta>(sqlca, PatientBookings.arg(QString()), {rbrAdresar},
                                       terminPacijentaIz);
}

Result<QList<TerminPacijenta>> predstojeciTermini(Transaction& sqlca, int rbrAdresar) {
    // The same today as the delete trigger of each engine.
    const QString danas = sqlca.isPostgreSQL() ? QStringLiteral("CURRENT_DATE")
                                               : QStringLiteral("date('now', 'localtime')");
    const QString uslov = QStringLiteral("AND z.status = 'zakazan' AND z.datum >= %1").arg(danas);
    return readRowsAs<TerminPacijenta>(sqlca, PatientBookings.arg(uslov), {rbrAdresar},
                                       terminPacijentaIz);
}

Result<> premestiTermine(Transaction& sqlca, int odRbr, int naRbr) {
    return sqlca.execute(
        QStringLiteral("UPDATE zakazivanje SET rbr_adresar = ? WHERE rbr_adresar = ?"),
        {naRbr, odRbr});
}

Result<QList<Pacijent>> pacijenti(Transaction& sqlca) {
    return readRowsAs<Pacijent>(sqlca, Patients, {}, [](const QVariantList& red) {
        return Pacijent{red.at(0).toInt(),       textOfColumn(red.at(1)), textOfColumn(red.at(2)),
                        textOfColumn(red.at(3)), textOfColumn(red.at(4)), textOfColumn(red.at(5))};
    });
}

Result<> unesi(Transaction& sqlca, int rbrLekar, const QDate& datum, const QTime& vreme,
               std::optional<int> rbrAdresar, const QString& opis) {
    return sqlca.execute(
        Insert, {rbrLekar, datum, timeValue(vreme), textOrNull(opis), patientOrNull(rbrAdresar)});
}

Result<> izmeni(Transaction& sqlca, int rbr, int verzija, std::optional<int> rbrAdresar,
                const QString& opis) {
    return sqlca.execute(Update, {patientOrNull(rbrAdresar), textOrNull(opis), rbr, verzija});
}

Result<> premesti(Transaction& sqlca, int rbr, int verzija, int rbrLekar, const QDate& datum,
                  const QTime& vreme) {
    return sqlca.execute(Move, {rbrLekar, datum, timeValue(vreme), rbr, verzija});
}

Result<> postaviStatus(Transaction& sqlca, int rbr, int verzija, status_termina::Status status) {
    return sqlca.execute(SetStatus, {status_termina::kod(status), rbr, verzija});
}

} // namespace zakazivanje_sql
