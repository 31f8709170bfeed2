#include "domain/search/pretraga_sql.h"

#include "domain/lab/nalazi_sql.h"
#include "domain/reception/polja_posete.h"
#include "domain/search/pravila.h"
#include "runtime/core/cursor_reader.h"
#include "runtime/core/dates.h"
#include "runtime/core/transaction.h"

#include <QStringList>

namespace pretraga_sql {

using pretraga::Kriterijum;
using pretraga::Polje;
using pretraga::Veznik;

namespace {

const QString Like = QStringLiteral(" LIKE ? ESCAPE '!'");

// What a visit p must hold to match the criterion.
QString uPoseti(const Kriterijum& kriterijum, QVariantList& vrednosti) {
    vrednosti << pretraga::uzorak(kriterijum.tekst);
    if (kriterijum.polje == Polje::Lekar)
        return QStringLiteral("EXISTS (SELECT 1 FROM poseta_trazenje l WHERE l.rbr_poseta = p.rbr "
                              "AND l.lekar") +
               Like + QLatin1Char(')');
    QStringList imena;
    for (const QString& ime : polja_posete::kljuceviPretrage(kriterijum.polje))
        imena << QLatin1Char('\'') + ime + QLatin1Char('\'');
    return QStringLiteral("EXISTS (SELECT 1 FROM poseta_polje_trazenje f WHERE f.rbr_poseta = "
                          "p.rbr AND f.polje IN (%1) AND f.vrednost")
               .arg(imena.join(QStringLiteral(", "))) +
           Like + QLatin1Char(')');
}

// A visit p of the criterion's years that matches it.
QString posetaKriterijuma(const Kriterijum& kriterijum, QVariantList& vrednosti) {
    vrednosti << QDate(kriterijum.od, 1, 1) << QDate(kriterijum.do_, 12, 31);
    return QStringLiteral("(p.datum BETWEEN ? AND ? AND ") + uPoseti(kriterijum, vrednosti) +
           QLatin1Char(')');
}

// A result of the criterion's laboratory group for entry a, in an order of its years that is not
// cancelled: of an analysis whose name contains the text (any, when there is none) and of the value
// class the panel picked.
QString nalazKriterijuma(const Kriterijum& kriterijum, QVariantList& vrednosti) {
    QString tekst = QStringLiteral(
        "EXISTS (SELECT 1 FROM nalog n JOIN nalog_stavka s ON s.rbr_nalog = n.rbr "
        "JOIN rezultat r ON r.rbr_stavka = s.rbr WHERE n.rbr_adresar = a.rbr AND n.otkazan = 0 "
        "AND n.datum BETWEEN ? AND ?");
    vrednosti << QDate(kriterijum.od, 1, 1) << QDate(kriterijum.do_, 12, 31);
    for (const nalazi_sql::grupa_analiza& grupa : nalazi_sql::grupe()) {
        if (grupa.naziv != pretraga::naziv(kriterijum.polje))
            continue;
        tekst += QStringLiteral(" AND s.grupa = ?");
        vrednosti << int(grupa.grupa);
        if (grupa.podgrupa) {
            tekst += QStringLiteral(" AND s.podgrupa = ?");
            vrednosti << int(*grupa.podgrupa);
        }
    }
    if (!kriterijum.tekst.trimmed().isEmpty()) {
        tekst += QStringLiteral(" AND s.naziv_trazenje") + Like;
        vrednosti << pretraga::uzorak(kriterijum.tekst);
    }
    switch (kriterijum.vrednost) {
    case pretraga::Vrednost::Normalna:
        tekst += QStringLiteral(" AND r.ocena = 0");
        break;
    case pretraga::Vrednost::Vece:
        tekst += QStringLiteral(" AND r.ocena = 1");
        break;
    case pretraga::Vrednost::Manje:
        tekst += QStringLiteral(" AND r.ocena = -1");
        break;
    case pretraga::Vrednost::Sve:
        break;
    }
    return tekst + QLatin1Char(')');
}

// Whether entry a (with its folded copy t) matches; never NULL, so that "NE" turns it exactly.
QString uslov(const Kriterijum& kriterijum, const QDate& danas, QVariantList& vrednosti) {
    switch (kriterijum.polje) {
    case Polje::Ime:
        vrednosti << pretraga::uzorak(kriterijum.tekst);
        return QStringLiteral("t.ime") + Like;
    case Polje::Prezime:
        vrednosti << pretraga::uzorak(kriterijum.tekst);
        return QStringLiteral("t.prezime") + Like;
    case Polje::Grad:
        vrednosti << pretraga::uzorak(kriterijum.tekst);
        return QStringLiteral("COALESCE(t.grad, '')") + Like;
    case Polje::Starost: {
        const pretraga::RasponRodjenja raspon = pretraga::rasponRodjenja(
            pretraga::godineStarosti(kriterijum.tekst).value_or(0), kriterijum.vrednost, danas);
        QString tekst = QStringLiteral("(t.datum_rodjenja IS NOT NULL");
        if (raspon.posle) {
            tekst += QStringLiteral(" AND t.datum_rodjenja > ?");
            vrednosti << *raspon.posle;
        }
        if (raspon.najkasnije) {
            tekst += QStringLiteral(" AND t.datum_rodjenja <= ?");
            vrednosti << *raspon.najkasnije;
        }
        return tekst + QLatin1Char(')');
    }
    default:
        if (pretraga::jeLaboratorija(kriterijum.polje))
            return nalazKriterijuma(kriterijum, vrednosti);
        return QStringLiteral("EXISTS (SELECT 1 FROM poseta p WHERE p.rbr_adresar = a.rbr AND ") +
               posetaKriterijuma(kriterijum, vrednosti) + QLatin1Char(')');
    }
}

} // namespace

Naredba sastavi(const QList<Kriterijum>& paneli, const QDate& danas, int preskoci, int naStrani) {
    const QList<Kriterijum> taj = pretraga::ucesnici(paneli);
    Naredba naredba;
    // Left to right: each panel joins everything before it.
    QString gde;
    for (qsizetype i = 0; i < taj.size(); ++i) {
        const QString ovaj = uslov(taj.at(i), danas, naredba.vrednosti);
        if (i == 0) // the first panel that takes part: "NE" there means everyone except its matches
            gde = taj.at(i).veznik == Veznik::NE ? QStringLiteral("NOT ") + ovaj : ovaj;
        else if (taj.at(i).veznik == Veznik::I)
            gde = QStringLiteral("(%1) AND %2").arg(gde, ovaj);
        else if (taj.at(i).veznik == Veznik::ILI)
            gde = QStringLiteral("(%1) OR %2").arg(gde, ovaj);
        else
            gde = QStringLiteral("(%1) AND NOT %2").arg(gde, ovaj);
    }
    naredba.vrednosti << naStrani << preskoci;

    // The newest visit that matched a visit criterion not negated, for the page's rows only.
    QStringList posete;
    for (qsizetype i = 0; i < taj.size(); ++i)
        if (pretraga::jePoseta(taj.at(i).polje) && taj.at(i).veznik != Veznik::NE)
            posete << posetaKriterijuma(taj.at(i), naredba.vrednosti);
    const QString najnovija =
        posete.isEmpty()
            ? QStringLiteral("CAST(NULL AS INTEGER)")
            : QStringLiteral("(SELECT p.rbr FROM poseta p WHERE p.rbr_adresar = s.rbr AND (%1) "
                             "ORDER BY p.datum DESC, p.rbr DESC LIMIT 1)")
                  .arg(posete.join(QStringLiteral(" OR ")));

    naredba.tekst =
        QStringLiteral(
            "SELECT s.rbr, s.prezime, s.ime, s.mbr, s.grad, s.ukupno, v.rbr, v.datum FROM ("
            "SELECT a.rbr, a.prezime, a.ime, a.mbr, a.grad, t.prezime AS sp, t.ime AS si, "
            "COUNT(*) OVER () AS ukupno FROM adresar a "
            "JOIN adresar_trazenje t ON t.rbr_adresar = a.rbr WHERE %1 "
            "ORDER BY t.prezime, t.ime, a.rbr LIMIT ? OFFSET ?) s "
            "LEFT JOIN poseta v ON v.rbr = %2 ORDER BY s.sp, s.si, s.rbr")
            .arg(gde, najnovija);
    return naredba;
}

Result<Strana> trazi(Transaction& sqlca, const Naredba& naredba) {
    Strana strana;
    const auto pogodakIzReda = [&strana](const QVariantList& red) {
        Pogodak pogodak;
        pogodak.rbr = red.at(0).toInt();
        pogodak.prezime = red.at(1).toString();
        pogodak.ime = red.at(2).toString();
        pogodak.mbr = red.at(3).toString();
        pogodak.grad = red.at(4).toString();
        strana.ukupno = red.at(5).toInt();
        if (!red.at(6).isNull()) {
            pogodak.rbrPosete = red.at(6).toInt();
            pogodak.datumPosete = dateOfColumn(red.at(7));
        }
        return pogodak;
    };
    Result<QList<Pogodak>> pogoci =
        readRowsAs<Pogodak>(sqlca, naredba.tekst, naredba.vrednosti, pogodakIzReda);
    strana.pogoci = std::move(pogoci.value);
    return {pogoci.outcome(), strana};
}

} // namespace pretraga_sql
