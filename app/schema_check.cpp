#include "app/schema_check.h"

#include "runtime/widgets/message_box.h"

using schema_sql::VerzijaSeme;

QString porukaOVerzijiSeme(const Result<VerzijaSeme>& procitana) {
    const VerzijaSeme& verzija = procitana.value;
    // The launcher and scripts/run.sh upgrade an embedded database before every start, so this
    // is mostly seen on a desk of a shared server, whose tables only the server may change.
    const QString nadogradnja = QStringLiteral(
        "Zatvorite MAB i pokrenite scripts/upgrade-database.sh (u instaliranom programu "
        "/usr/share/mab/scripts/upgrade-database.sh); zajedničku PostgreSQL bazu nadograđuje "
        "administrator na serveru, kao root.");
    const QString potrebna = QString::number(schema_sql::PotrebnaVerzija);
    switch (verzija.stanje) {
    case VerzijaSeme::Stanje::Tekuca:
        return {};
    case VerzijaSeme::Stanje::Starija:
        return QStringLiteral("Baza podataka je verzije %1, a ovaj program traži verziju %2. ")
                   .arg(QString::number(verzija.verzija), potrebna) +
               nadogradnja;
    case VerzijaSeme::Stanje::Novija:
        return QStringLiteral(
                   "Baza podataka je verzije %1, novije od verzije %2 koju ovaj program "
                   "poznaje: nadogradila ju je novija verzija programa MAB. Instalirajte "
                   "tu verziju programa MAB (sudo apt-get install ./mab_VERZIJA.deb, ili "
                   "scripts/run.sh iz njenog izvornog koda).")
            .arg(QString::number(verzija.verzija), potrebna);
    case VerzijaSeme::Stanje::Neprocitana:
        break;
    }
    return QStringLiteral("Verzija baze podataka ne može da se pročita (%1). Baza je verovatno "
                          "napravljena ranijom verzijom programa MAB. ")
               .arg(procitana.sqlerrtext) +
           nadogradnja;
}

void proveriVerzijuSeme(Transaction& sqlca) {
    const QString poruka = porukaOVerzijiSeme(schema_sql::procitajVerziju(sqlca));
    if (!poruka.isEmpty())
        MessageBox(QStringLiteral("Verzija baze podataka"), poruka);
}
