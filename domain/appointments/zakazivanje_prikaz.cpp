#include "domain/appointments/zakazivanje_prikaz.h"

#include <QStringList>

namespace zakazivanje_prikaz {

namespace {

const QTime Pocetak(7, 0);
constexpr int PolaSata = 30 * 60;

QString imeIPrezime(const zakazivanje_sql::Termin& termin) {
    return QStringList{termin.prezime, termin.ime}.join(QLatin1Char(' ')).trimmed();
}

// A note may hold line breaks; a sheet row or a list line shows them as blanks.
QString uJednomRedu(QString tekst) {
    tekst.replace(QLatin1String("\r\n"), QLatin1String(" "));
    tekst.replace(QLatin1Char('\n'), QLatin1Char(' '));
    tekst.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return tekst;
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

QString opisTermina(const zakazivanje_sql::Termin& termin) {
    const QString ime = imeIPrezime(termin);
    const QString opis = uJednomRedu(termin.opis);
    if (ime.isEmpty())
        return opis;
    return opis.isEmpty() ? ime : ime + QStringLiteral(" – ") + opis;
}

QString stavkaListe(const zakazivanje_sql::Termin& termin) {
    const QString vreme = termin.vreme.toString(QStringLiteral("HH:mm"));
    if (!termin.rbrAdresar)
        return vreme + QStringLiteral("  ") + uJednomRedu(termin.opis);
    const QString telefon = termin.mobTelefon.isEmpty() ? termin.telefon : termin.mobTelefon;
    return QStringList{vreme, imeIPrezime(termin), telefon}.join(QStringLiteral("  ")).trimmed();
}

} // namespace zakazivanje_prikaz
