#include "domain/appointments/zakazivanje_upis.h"

#include "domain/addressbook/adresar_sql.h"
#include "domain/addressbook/adresar_upis.h"
#include "domain/appointments/zakazivanje_sql.h"
#include "runtime/core/transaction.h"

#include <QStringList>

namespace zakazivanje_upis {

namespace {

const QTime PrviTermin(7, 0);
const QTime PoslednjiTermin(22, 0);

bool pacijentNestao(Transaction& sqlca, std::optional<int> rbrAdresar) {
    return rbrAdresar && adresar_sql::nestao(sqlca, *rbrAdresar).value;
}

// Another booking than rbr holds the slot (0: any booking).
bool zauzeto(Transaction& sqlca, const Mesto& mesto, int rbr = 0) {
    const std::optional<int> drugi =
        zakazivanje_sql::rbrTermina(sqlca, mesto.rbrLekar, mesto.datum, mesto.vreme).value;
    return drugi && *drugi != rbr;
}

// Runs the UPDATE of booking rbr that izvrsi issues, then commits; a refusal is explained by
// objasni, a row changed since it was read as gone or changed by another desk.
Result<Ishod> promeni(Transaction& sqlca, int rbr, const std::function<Result<>()>& izvrsi,
                      const std::function<QString()>& objasni) {
    const Result<> promenjen = izvrsi();
    if (promenjen.failed())
        return ishod::odbijeno(sqlca, promenjen, objasni);
    if (promenjen.sqlnrows == 0) {
        sqlca.rollback();
        const Result<std::optional<int>> sada = zakazivanje_sql::verzija(sqlca, rbr);
        return ishod::obavestenje(sada.value ? izmenjenUMedjuvremenu() : terminObrisan());
    }
    return ishod::potvrdi(sqlca, ishod::upisano(rbr), objasni);
}

bool ispravno(const Mesto& mesto) {
    return mesto.rbrLekar > 0 && mesto.datum.isValid() && naMrezi(mesto.vreme);
}

} // namespace

QString zauzet() {
    return QStringLiteral("Termin je u međuvremenu zauzet.");
}

QString pacijentObrisan() {
    return QStringLiteral("Pacijent je u međuvremenu obrisan iz adresara: termin nije upisan.");
}

QString terminObrisan() {
    return QStringLiteral("Ovaj termin više ne postoji.");
}

QString izmenjenUMedjuvremenu() {
    return QStringLiteral("Ovaj termin je u međuvremenu izmenio drugi korisnik: vaša izmena nije "
                          "upisana. Dan je ponovo pročitan.");
}

QString vanMreze() {
    return QStringLiteral("Termin mora biti na pola sata, od 07:00 do 22:00.");
}

QString pitanjeZaProslost() {
    return QStringLiteral("Termin je u prošlosti. Da li želite da ga ipak zakažete?");
}

QString pitanjeZaNedelju() {
    return QStringLiteral("Nedelja je. Da li želite da ipak zakažete?");
}

QString pitanjeZaBrisanje() {
    return QStringLiteral("Da li želite da otkažete ovaj termin?");
}

bool uProslosti(const QDate& datum, const QTime& vreme, const QDateTime& sada) {
    return QDateTime(datum, vreme) < sada;
}

bool nedelja(const QDate& datum) {
    return datum.dayOfWeek() == Qt::Sunday;
}

bool naMrezi(const QTime& vreme) {
    return vreme.isValid() && vreme >= PrviTermin && vreme <= PoslednjiTermin &&
           vreme.second() == 0 && vreme.msec() == 0 && vreme.minute() % 30 == 0;
}

Result<Ishod> zakazi(Transaction& sqlca, const Mesto& mesto, std::optional<int> rbrAdresar,
                     const QString& opis, const std::function<void()>& pred_upisom) {
    if (!ispravno(mesto))
        return ishod::obavestenje(vanMreze());
    // Read what other desks have committed up to now, never an older snapshot.
    sqlca.endReading();
    // Why a refused write was refused: the slot taken, the patient gone, or the database's text.
    const auto objasni = [&]() -> QString {
        if (zauzeto(sqlca, mesto))
            return zauzet();
        if (pacijentNestao(sqlca, rbrAdresar))
            return pacijentObrisan();
        return {};
    };
    // The checks only spare a refused INSERT; the unique slot decides.
    if (const QString zasto = objasni(); !zasto.isEmpty())
        return ishod::obavestenje(zasto);
    if (pred_upisom)
        pred_upisom();
    const Result<> upisan =
        zakazivanje_sql::unesi(sqlca, mesto.rbrLekar, mesto.datum, mesto.vreme, rbrAdresar, opis);
    if (upisan.failed())
        return ishod::odbijeno(sqlca, upisan, objasni);
    return ishod::potvrdi(sqlca, ishod::upisano(), objasni);
}

Result<Ishod> zakaziNovog(Transaction& sqlca, const Mesto& mesto, const NoviPacijent& pacijent,
                          const QString& opis, const std::function<void()>& pred_upisom) {
    if (!ispravno(mesto))
        return ishod::obavestenje(vanMreze());
    AdresarUnos unos;
    unos.prezime = pacijent.prezime.trimmed();
    unos.ime = pacijent.ime.trimmed();
    unos.telefon = pacijent.telefon.trimmed();
    if (unos.prezime.isEmpty() || unos.ime.isEmpty())
        return ishod::obavestenje(QStringLiteral("Za novog pacijenta upišite prezime i ime."));
    sqlca.endReading();
    const auto objasni = [&]() -> QString { return zauzeto(sqlca, mesto) ? zauzet() : QString(); };
    if (zauzeto(sqlca, mesto))
        return ishod::obavestenje(zauzet());
    const Result<std::optional<int>> status =
        adresar_sql::rbrStatusa(sqlca, QStringLiteral("Pacijent"));
    if (status.failed())
        return ishod::odbijeno(sqlca, status);
    unos.status = status.value.value_or(0);
    for (int pokusaj = 1;; ++pokusaj) {
        const Result<std::optional<int>> najveci = adresar_sql::najveciRbr(sqlca);
        if (najveci.failed())
            return ishod::odbijeno(sqlca, najveci);
        unos.rbr = najveci.value.value_or(0) + 1;
        if (unos.rbr > adresar_sql::NajveciRbr)
            return ishod::obavestenje(
                QStringLiteral("Adresar je pun: redni broj novog unosa bio bi veći od %1!")
                    .arg(adresar_sql::NajveciRbr));
        if (pred_upisom)
            pred_upisom();
        const Result<> upisan = adresar_sql::unesi(sqlca, unos);
        if (upisan.succeeded())
            break;
        // Another desk took the key between the read and the INSERT: read it again.
        sqlca.rollback();
        if (pokusaj >= adresar_upis::NajvisePokusaja ||
            !adresar_sql::postojiRbr(sqlca, unos.rbr).value.value_or(false))
            return upisan;
    }
    const Result<> zakazan =
        zakazivanje_sql::unesi(sqlca, mesto.rbrLekar, mesto.datum, mesto.vreme, unos.rbr, opis);
    if (zakazan.failed())
        return ishod::odbijeno(sqlca, zakazan, objasni);
    Result<Ishod> ishod = ishod::potvrdi(sqlca, ishod::upisano(), objasni);
    if (ishod::kraj(ishod) == Ishod::Kraj::Upisano)
        ishod.value.rbrAdresar = unos.rbr;
    return ishod;
}

Result<Ishod> izmeni(Transaction& sqlca, int rbr, int verzija, std::optional<int> rbrAdresar,
                     const QString& opis) {
    sqlca.endReading();
    const auto objasni = [&]() -> QString {
        return pacijentNestao(sqlca, rbrAdresar) ? pacijentObrisan() : QString();
    };
    if (pacijentNestao(sqlca, rbrAdresar))
        return ishod::obavestenje(pacijentObrisan());
    return promeni(
        sqlca, rbr, [&] { return zakazivanje_sql::izmeni(sqlca, rbr, verzija, rbrAdresar, opis); },
        objasni);
}

Result<Ishod> premesti(Transaction& sqlca, int rbr, int verzija, const Mesto& cilj,
                       const std::function<void()>& pred_upisom) {
    if (!ispravno(cilj))
        return ishod::obavestenje(vanMreze());
    sqlca.endReading();
    const auto objasni = [&]() -> QString {
        return zauzeto(sqlca, cilj, rbr) ? zauzet() : QString();
    };
    if (zauzeto(sqlca, cilj, rbr))
        return ishod::obavestenje(zauzet());
    if (pred_upisom)
        pred_upisom();
    return promeni(
        sqlca, rbr,
        [&] {
            return zakazivanje_sql::premesti(sqlca, rbr, verzija, cilj.rbrLekar, cilj.datum,
                                             cilj.vreme);
        },
        objasni);
}

Result<Ishod> postaviStatus(Transaction& sqlca, int rbr, int verzija, status_termina::Status status,
                            const std::function<void()>& pred_upisom) {
    sqlca.endReading();
    // A booking that takes its slot again is refused when another one holds the slot now.
    const auto objasni = [&]() -> QString {
        const Result<QList<zakazivanje_sql::Termin>> red = zakazivanje_sql::termin(sqlca, rbr);
        if (red.value.isEmpty())
            return {};
        const zakazivanje_sql::Termin& t = red.value.first();
        return zauzeto(sqlca, Mesto{t.rbrLekar, t.datum, t.vreme}, rbr) ? zauzet() : QString();
    };
    if (pred_upisom)
        pred_upisom();
    return promeni(
        sqlca, rbr, [&] { return zakazivanje_sql::postaviStatus(sqlca, rbr, verzija, status); },
        objasni);
}

QString pacijentImaTermine(Transaction& sqlca, int rbrAdresar) {
    const Result<QList<zakazivanje_sql::TerminPacijenta>> termini =
        zakazivanje_sql::predstojeciTermini(sqlca, rbrAdresar);
    if (termini.value.isEmpty())
        return {};
    QStringList kada;
    for (const zakazivanje_sql::TerminPacijenta& t : termini.value)
        kada << QStringLiteral("%1 u %2 (%3)")
                    .arg(t.datum.toString(QStringLiteral("dd.MM.yyyy")),
                         t.vreme.toString(QStringLiteral("HH:mm")), t.lekar);
    return QStringLiteral("Pacijent ima zakazane termine: %1. Otkažite ih ili premestite, pa ga "
                          "obrišite iz adresara.")
        .arg(kada.join(QStringLiteral(", ")));
}

} // namespace zakazivanje_upis
