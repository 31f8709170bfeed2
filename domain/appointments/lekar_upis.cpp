#include "domain/appointments/lekar_upis.h"

#include "domain/appointments/lekar_sql.h"
#include "runtime/core/transaction.h"

namespace lekar_upis {

namespace {

Ishod obavestenje(const QString& tekst) {
    Ishod ishod;
    ishod.kraj = Ishod::Kraj::Obavestenje;
    ishod.obavestenje = tekst;
    return ishod;
}

QString imeZauzeto(const QString& naziv) {
    return QStringLiteral("Lekar „%1” je već na spisku.").arg(naziv);
}

// Commits the write just run; a refusal rolls back and says why, by the reads objasni does then.
Ishod potvrdi(Transaction& sqlca, const std::function<std::optional<QString>()>& objasni) {
    if (sqlca.sqlcode == Transaction::Success && sqlca.sqlnrows == 0) {
        sqlca.rollback();
        return obavestenje(QStringLiteral("Ovaj lekar je u međuvremenu uklonjen sa spiska."));
    }
    if (sqlca.sqlcode == Transaction::Success)
        sqlca.commit();
    if (sqlca.sqlcode == Transaction::Success)
        return {};
    const QString tekst = sqlca.sqlerrtext;
    sqlca.rollback();
    if (const std::optional<QString> zasto = objasni())
        return obavestenje(*zasto);
    Ishod ishod;
    ishod.kraj = Ishod::Kraj::Neupisano;
    ishod.tekstBaze = tekst;
    return ishod;
}

std::optional<QString> proveriNaziv(Transaction& sqlca, const QString& naziv, int rbr) {
    if (naziv.isEmpty())
        return QStringLiteral("Upišite ime lekara.");
    if (lekar_sql::postojiNaziv(sqlca, naziv, rbr).value.value_or(false))
        return imeZauzeto(naziv);
    return std::nullopt;
}

} // namespace

Ishod dodaj(Transaction& sqlca, const QString& naziv) {
    const QString ime = naziv.trimmed();
    sqlca.endReading();
    if (const std::optional<QString> zasto = proveriNaziv(sqlca, ime, 0))
        return obavestenje(*zasto);
    lekar_sql::unesi(sqlca, ime);
    return potvrdi(sqlca, [&] { return proveriNaziv(sqlca, ime, 0); });
}

Ishod preimenuj(Transaction& sqlca, int rbr, const QString& naziv) {
    const QString ime = naziv.trimmed();
    sqlca.endReading();
    if (const std::optional<QString> zasto = proveriNaziv(sqlca, ime, rbr))
        return obavestenje(*zasto);
    lekar_sql::preimenuj(sqlca, rbr, ime);
    return potvrdi(sqlca, [&] { return proveriNaziv(sqlca, ime, rbr); });
}

Ishod obrisi(Transaction& sqlca, int rbr) {
    sqlca.endReading();
    auto zasto = [&]() -> std::optional<QString> {
        if (lekar_sql::brojTermina(sqlca, rbr).value.value_or(0) > 0)
            return QStringLiteral("Lekar ima termine (i otkazane): ostaje na spisku, a njegove "
                                  "termine možete premestiti drugom lekaru.");
        if (lekar_sql::lekari(sqlca).rows.size() <= 1)
            return QStringLiteral("Na spisku mora ostati bar jedan lekar.");
        return std::nullopt;
    };
    if (const std::optional<QString> razlog = zasto())
        return obavestenje(*razlog);
    lekar_sql::obrisi(sqlca, rbr);
    return potvrdi(sqlca, zasto);
}

} // namespace lekar_upis
