#include "domain/appointments/lekar_upis.h"

#include "domain/appointments/lekar_sql.h"
#include "runtime/core/transaction.h"

namespace lekar_upis {

namespace {

QString imeZauzeto(const QString& naziv) {
    return QStringLiteral("Lekar „%1” je već na spisku.").arg(naziv);
}

// Commits the write just run (upisan); a refusal rolls back and says why, by the reads objasni
// does then.
Result<Ishod> potvrdi(Transaction& sqlca, const Result<>& upisan,
                      const std::function<QString()>& objasni) {
    if (upisan.failed())
        return ishod::odbijeno(sqlca, upisan, objasni);
    if (upisan.sqlnrows == 0) {
        sqlca.rollback();
        return ishod::obavestenje(
            QStringLiteral("Ovaj lekar je u međuvremenu uklonjen sa spiska."));
    }
    return ishod::potvrdi(sqlca, ishod::upisano(), objasni);
}

QString proveriNaziv(Transaction& sqlca, const QString& naziv, int rbr) {
    if (naziv.isEmpty())
        return QStringLiteral("Upišite ime lekara.");
    if (lekar_sql::postojiNaziv(sqlca, naziv, rbr).value.value_or(false))
        return imeZauzeto(naziv);
    return {};
}

} // namespace

Result<Ishod> dodaj(Transaction& sqlca, const QString& naziv) {
    const QString ime = naziv.trimmed();
    sqlca.endReading();
    if (const QString zasto = proveriNaziv(sqlca, ime, 0); !zasto.isEmpty())
        return ishod::obavestenje(zasto);
    return potvrdi(sqlca, lekar_sql::unesi(sqlca, ime),
                   [&] { return proveriNaziv(sqlca, ime, 0); });
}

Result<Ishod> preimenuj(Transaction& sqlca, int rbr, const QString& naziv) {
    const QString ime = naziv.trimmed();
    sqlca.endReading();
    if (const QString zasto = proveriNaziv(sqlca, ime, rbr); !zasto.isEmpty())
        return ishod::obavestenje(zasto);
    return potvrdi(sqlca, lekar_sql::preimenuj(sqlca, rbr, ime),
                   [&] { return proveriNaziv(sqlca, ime, rbr); });
}

Result<Ishod> obrisi(Transaction& sqlca, int rbr) {
    sqlca.endReading();
    const auto zasto = [&]() -> QString {
        if (lekar_sql::brojTermina(sqlca, rbr).value.value_or(0) > 0)
            return QStringLiteral("Lekar ima termine (i otkazane): ostaje na spisku, a njegove "
                                  "termine možete premestiti drugom lekaru.");
        if (lekar_sql::lekari(sqlca).value.size() <= 1)
            return QStringLiteral("Na spisku mora ostati bar jedan lekar.");
        return {};
    };
    if (const QString razlog = zasto(); !razlog.isEmpty())
        return ishod::obavestenje(razlog);
    return potvrdi(sqlca, lekar_sql::obrisi(sqlca, rbr), zasto);
}

} // namespace lekar_upis
