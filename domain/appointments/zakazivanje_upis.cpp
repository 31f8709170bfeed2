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

Ishod obavestenje(const QString& tekst) {
    Ishod ishod;
    ishod.kraj = Ishod::Kraj::Obavestenje;
    ishod.obavestenje = tekst;
    return ishod;
}

Ishod neupisano() {
    Ishod ishod;
    ishod.kraj = Ishod::Kraj::Neupisano;
    return ishod;
}

bool uspelo(const Transaction& sqlca) {
    return sqlca.sqlcode == Transaction::Success;
}

// After a refused statement: the unit is rolled back first, so no lock outlives the click and
// the reads below see what the other desks committed.
Ishod odbijeno(Transaction& sqlca, const std::function<Ishod()>& objasni) {
    const QString tekst = sqlca.sqlerrtext;
    sqlca.rollback();
    Ishod ishod = objasni();
    if (ishod.kraj == Ishod::Kraj::Neupisano)
        ishod.tekstBaze = tekst;
    return ishod;
}

Ishod potvrdi(Transaction& sqlca, const std::function<Ishod()>& objasni) {
    zakazivanje_sql::potvrdi(sqlca);
    if (!uspelo(sqlca))
        return odbijeno(sqlca, objasni);
    return {};
}

bool pacijentNestao(Transaction& sqlca, std::optional<int> rbrAdresar) {
    return rbrAdresar && !zakazivanje_sql::postojiPacijent(sqlca, *rbrAdresar).value.value_or(true);
}

// Another booking than rbr holds the slot (0: any booking).
bool zauzeto(Transaction& sqlca, const Mesto& mesto, int rbr = 0) {
    const std::optional<int> drugi =
        zakazivanje_sql::rbrTermina(sqlca, mesto.rbrLekar, mesto.datum, mesto.vreme).value;
    return drugi && *drugi != rbr;
}

// Why an UPDATE of booking rbr changed no row: it is gone, or another desk changed it.
Ishod nijePromenjen(Transaction& sqlca, int rbr) {
    sqlca.rollback();
    const One<int> sada = zakazivanje_sql::verzija(sqlca, rbr);
    return obavestenje(sada.value ? izmenjenUMedjuvremenu() : terminObrisan());
}

// Runs the UPDATE of booking rbr that izvrsi issues, then commits; a refusal is explained by
// objasni, a row changed since it was read by nijePromenjen.
Ishod promeni(Transaction& sqlca, int rbr, const std::function<void()>& izvrsi,
              const std::function<Ishod()>& objasni) {
    izvrsi();
    if (!uspelo(sqlca))
        return odbijeno(sqlca, objasni);
    if (sqlca.sqlnrows == 0)
        return nijePromenjen(sqlca, rbr);
    return potvrdi(sqlca, objasni);
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

Ishod zakazi(Transaction& sqlca, const Mesto& mesto, std::optional<int> rbrAdresar,
             const QString& opis, const std::function<void()>& pred_upisom) {
    if (!ispravno(mesto))
        return obavestenje(vanMreze());
    // Read what other desks have committed up to now, never an older snapshot.
    sqlca.endReading();
    // Why a refused write was refused: the slot taken, the patient gone, or the database's text.
    auto objasni = [&]() -> Ishod {
        if (zauzeto(sqlca, mesto))
            return obavestenje(zauzet());
        if (pacijentNestao(sqlca, rbrAdresar))
            return obavestenje(pacijentObrisan());
        return neupisano();
    };
    // The checks only spare a refused INSERT; the unique slot decides.
    if (zauzeto(sqlca, mesto))
        return obavestenje(zauzet());
    if (pacijentNestao(sqlca, rbrAdresar))
        return obavestenje(pacijentObrisan());
    if (pred_upisom)
        pred_upisom();
    zakazivanje_sql::unesi(sqlca, mesto.rbrLekar, mesto.datum, mesto.vreme, rbrAdresar, opis);
    if (!uspelo(sqlca))
        return odbijeno(sqlca, objasni);
    return potvrdi(sqlca, objasni);
}

Ishod zakaziNovog(Transaction& sqlca, const Mesto& mesto, const NoviPacijent& pacijent,
                  const QString& opis, const std::function<void()>& pred_upisom) {
    if (!ispravno(mesto))
        return obavestenje(vanMreze());
    AdresarUnos unos;
    unos.prezime = pacijent.prezime.trimmed();
    unos.ime = pacijent.ime.trimmed();
    unos.telefon = pacijent.telefon.trimmed();
    if (unos.prezime.isEmpty() || unos.ime.isEmpty())
        return obavestenje(QStringLiteral("Za novog pacijenta upišite prezime i ime."));
    sqlca.endReading();
    auto objasni = [&]() -> Ishod {
        return zauzeto(sqlca, mesto) ? obavestenje(zauzet()) : neupisano();
    };
    if (zauzeto(sqlca, mesto))
        return obavestenje(zauzet());
    const One<int> status = adresar_sql::rbrStatusa(sqlca, QStringLiteral("Pacijent"));
    if (status.failed())
        return odbijeno(sqlca, neupisano);
    unos.status = status.value.value_or(0);
    for (int pokusaj = 1;; ++pokusaj) {
        const One<int> najveci = adresar_sql::najveciRbr(sqlca);
        if (najveci.failed())
            return odbijeno(sqlca, neupisano);
        unos.rbr = najveci.value.value_or(0) + 1;
        if (unos.rbr > adresar_sql::NajveciRbr)
            return obavestenje(
                QStringLiteral("Adresar je pun: redni broj novog unosa bio bi veći od %1!")
                    .arg(adresar_sql::NajveciRbr));
        if (pred_upisom)
            pred_upisom();
        adresar_sql::unesi(sqlca, unos);
        if (uspelo(sqlca))
            break;
        // Another desk took the key between the read and the INSERT: read it again.
        const QString tekst = sqlca.sqlerrtext;
        sqlca.rollback();
        if (pokusaj >= adresar_upis::NajvisePokusaja ||
            !adresar_sql::postojiRbr(sqlca, unos.rbr).value.value_or(false)) {
            Ishod ishod = neupisano();
            ishod.tekstBaze = tekst;
            return ishod;
        }
    }
    zakazivanje_sql::unesi(sqlca, mesto.rbrLekar, mesto.datum, mesto.vreme, unos.rbr, opis);
    if (!uspelo(sqlca))
        return odbijeno(sqlca, objasni);
    Ishod ishod = potvrdi(sqlca, objasni);
    if (ishod.kraj == Ishod::Kraj::Upisano)
        ishod.rbrAdresar = unos.rbr;
    return ishod;
}

Ishod izmeni(Transaction& sqlca, int rbr, int verzija, std::optional<int> rbrAdresar,
             const QString& opis) {
    sqlca.endReading();
    auto objasni = [&]() -> Ishod {
        return pacijentNestao(sqlca, rbrAdresar) ? obavestenje(pacijentObrisan()) : neupisano();
    };
    if (pacijentNestao(sqlca, rbrAdresar))
        return obavestenje(pacijentObrisan());
    return promeni(
        sqlca, rbr, [&] { zakazivanje_sql::izmeni(sqlca, rbr, verzija, rbrAdresar, opis); },
        objasni);
}

Ishod premesti(Transaction& sqlca, int rbr, int verzija, const Mesto& cilj,
               const std::function<void()>& pred_upisom) {
    if (!ispravno(cilj))
        return obavestenje(vanMreze());
    sqlca.endReading();
    auto objasni = [&]() -> Ishod {
        return zauzeto(sqlca, cilj, rbr) ? obavestenje(zauzet()) : neupisano();
    };
    if (zauzeto(sqlca, cilj, rbr))
        return obavestenje(zauzet());
    if (pred_upisom)
        pred_upisom();
    return promeni(
        sqlca, rbr,
        [&] {
            zakazivanje_sql::premesti(sqlca, rbr, verzija, cilj.rbrLekar, cilj.datum, cilj.vreme);
        },
        objasni);
}

Ishod postaviStatus(Transaction& sqlca, int rbr, int verzija, status_termina::Status status,
                    const std::function<void()>& pred_upisom) {
    sqlca.endReading();
    // A booking that takes its slot again is refused when another one holds the slot now.
    auto objasni = [&]() -> Ishod {
        const Rows<zakazivanje_sql::Termin> red = zakazivanje_sql::termin(sqlca, rbr);
        if (red.rows.isEmpty())
            return neupisano();
        const zakazivanje_sql::Termin& t = red.rows.first();
        return zauzeto(sqlca, Mesto{t.rbrLekar, t.datum, t.vreme}, rbr) ? obavestenje(zauzet())
                                                                        : neupisano();
    };
    if (pred_upisom)
        pred_upisom();
    return promeni(
        sqlca, rbr, [&] { zakazivanje_sql::postaviStatus(sqlca, rbr, verzija, status); }, objasni);
}

QString pacijentImaTermine(Transaction& sqlca, int rbrAdresar) {
    const Rows<zakazivanje_sql::TerminPacijenta> termini =
        zakazivanje_sql::predstojeciTermini(sqlca, rbrAdresar);
    if (termini.rows.isEmpty())
        return {};
    QStringList kada;
    for (const zakazivanje_sql::TerminPacijenta& t : termini.rows)
        kada << QStringLiteral("%1 u %2 (%3)")
                    .arg(t.datum.toString(QStringLiteral("dd.MM.yyyy")),
                         t.vreme.toString(QStringLiteral("HH:mm")), t.lekar);
    return QStringLiteral("Pacijent ima zakazane termine: %1. Otkažite ih ili premestite, pa ga "
                          "obrišite iz adresara.")
        .arg(kada.join(QStringLiteral(", ")));
}

} // namespace zakazivanje_upis
