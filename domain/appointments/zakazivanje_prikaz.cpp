#include "domain/appointments/zakazivanje_prikaz.h"

#include <QStringList>

namespace zakazivanje_prikaz {

namespace {

using status_termina::Status;

const QTime Pocetak(7, 0);
constexpr int PolaSata = 30 * 60;

// A note may hold line breaks; a sheet row, a list line or a printed line shows them as blanks.
QString uJednomRedu(QString tekst) {
    tekst.replace(QLatin1String("\r\n"), QLatin1String(" "));
    tekst.replace(QLatin1Char('\n'), QLatin1Char(' '));
    tekst.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return tekst;
}

QString statusUZagradi(Status status) {
    return status == Status::Zakazan ? QString()
                                     : QStringLiteral(" (%1)").arg(status_termina::naziv(status));
}

QString imeIPrezime(const zakazivanje_sql::Pacijent& p) {
    return QStringList{p.prezime, p.ime}.join(QLatin1Char(' ')).trimmed();
}

} // namespace

int redTermina(const QTime& vreme) {
    if (!vreme.isValid() || vreme < Pocetak)
        return -1;
    const int sekundi = Pocetak.secsTo(vreme);
    if (sekundi % PolaSata != 0 || sekundi / PolaSata >= BrojTermina)
        return -1;
    return sekundi / PolaSata;
}

QTime vremeReda(int red) {
    return Pocetak.addSecs(red * PolaSata);
}

QString nazivDana(const QDate& dan) {
    static const QStringList dani{QStringLiteral("ponedeljak"), QStringLiteral("utorak"),
                                  QStringLiteral("sreda"),      QStringLiteral("četvrtak"),
                                  QStringLiteral("petak"),      QStringLiteral("subota"),
                                  QStringLiteral("nedelja")};
    static const QStringList meseci{
        QStringLiteral("januar"),  QStringLiteral("februar"),  QStringLiteral("mart"),
        QStringLiteral("april"),   QStringLiteral("maj"),      QStringLiteral("jun"),
        QStringLiteral("jul"),     QStringLiteral("avgust"),   QStringLiteral("septembar"),
        QStringLiteral("oktobar"), QStringLiteral("novembar"), QStringLiteral("decembar")};
    if (!dan.isValid())
        return {};
    return QStringLiteral("%1, %2. %3 %4")
        .arg(dani.at(dan.dayOfWeek() - 1))
        .arg(dan.day())
        .arg(meseci.at(dan.month() - 1))
        .arg(dan.year());
}

QString imePacijenta(const zakazivanje_sql::Termin& termin) {
    if (!termin.rbrAdresar)
        return termin.sacuvanoIme;
    return QStringList{termin.prezime, termin.ime}.join(QLatin1Char(' ')).trimmed();
}

QString telefonPacijenta(const zakazivanje_sql::Termin& termin) {
    return termin.mobTelefon.isEmpty() ? termin.telefon : termin.mobTelefon;
}

QString opisTermina(const zakazivanje_sql::Termin& termin) {
    const QString ime = imePacijenta(termin);
    const QString opis = uJednomRedu(termin.opis);
    QString tekst = ime.isEmpty()    ? opis
                    : opis.isEmpty() ? ime
                                     : ime + QStringLiteral(" – ") + opis;
    return tekst + statusUZagradi(termin.status);
}

QString stavkaListe(const zakazivanje_sql::Termin& termin) {
    const QString vreme = termin.vreme.toString(QStringLiteral("HH:mm"));
    const QString ime = imePacijenta(termin);
    const QString linija = ime.isEmpty() ? vreme + QStringLiteral("  ") + uJednomRedu(termin.opis)
                                         : QStringList{vreme, ime, telefonPacijenta(termin)}
                                               .join(QStringLiteral("  "))
                                               .trimmed();
    return linija + statusUZagradi(termin.status);
}

QHash<QString, int> naziviPacijenata(const QList<zakazivanje_sql::Pacijent>& pacijenti) {
    QHash<QString, int> koliko;
    for (const auto& p : pacijenti)
        ++koliko[imeIPrezime(p)];
    QStringList nazivi;
    for (const auto& p : pacijenti) {
        const QString ime = imeIPrezime(p);
        if (koliko.value(ime) < 2) {
            nazivi << ime;
            continue;
        }
        const QString po = !p.mbr.trimmed().isEmpty()    ? p.mbr.trimmed()
                           : !p.grad.trimmed().isEmpty() ? p.grad.trimmed()
                                                         : p.telefon.trimmed();
        nazivi << (po.isEmpty() ? ime : QStringLiteral("%1 (%2)").arg(ime, po));
    }
    // What is still alike gets its place among the alike, in the list's order.
    QHash<QString, int> istih;
    for (const QString& naziv : std::as_const(nazivi))
        ++istih[naziv];
    QHash<QString, int> mesto;
    QHash<QString, int> rezultat;
    for (qsizetype i = 0; i < pacijenti.size(); ++i) {
        const QString& naziv = nazivi.at(i);
        rezultat.insert(istih.value(naziv) < 2
                            ? naziv
                            : QStringLiteral("%1 /%2").arg(naziv).arg(++mesto[naziv]),
                        pacijenti.at(i).rbr);
    }
    return rezultat;
}

QList<RedSpiska> spisakDana(const QList<zakazivanje_sql::Termin>& termini) {
    QList<RedSpiska> redovi;
    for (const zakazivanje_sql::Termin& t : termini)
        redovi << RedSpiska{t.vreme.toString(QStringLiteral("HH:mm")), imePacijenta(t),
                            telefonPacijenta(t), uJednomRedu(t.opis),
                            status_termina::naziv(t.status)};
    return redovi;
}

QString naslovSpiska(const QString& lekar, const QDate& dan) {
    return QStringLiteral("%1 – %2").arg(lekar, nazivDana(dan));
}

} // namespace zakazivanje_prikaz
