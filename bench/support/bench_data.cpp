#include "bench/support/bench_data.h"

#include "runtime/core/transaction.h"
#include "tests/support/test_data_source.h"

#include <QSqlDatabase>
#include <QStringList>

namespace {

const QStringList FirstNames = {
    "Aleksandar", "Ana",      "Biljana",  "Bojan",  "Čedomir", "Ćirko",   "Danica",  "Dragan",
    "Dušan",      "Džemal",   "Đorđe",    "Đurđa",  "Goran",   "Gordana", "Ivan",    "Jasmina",
    "Jelena",     "Ljiljana", "Ljubomir", "Marija", "Marko",   "Milan",   "Milica",  "Miloš",
    "Nataša",     "Nemanja",  "Nikola",   "Njegoš", "Olivera", "Petar",   "Radmila", "Sanja",
    "Slobodan",   "Snežana",  "Stefan",   "Šćepan", "Tamara",  "Tijana",  "Uroš",    "Vesna",
    "Vladimir",   "Zoran",    "Žarko",    "Željka", "Živorad", "Branka",  "Dejan",   "Ksenija"};

const QStringList Surnames = {
    "Antić",        "Babić",     "Bogdanović", "Cvetković", "Čolić",      "Ćosić",
    "Dimitrijević", "Dragić",    "Džaković",   "Đorđević",  "Đukić",      "Filipović",
    "Gajić",        "Hadžić",    "Ilić",       "Ivanović",  "Janković",   "Jovanović",
    "Kostić",       "Kovačević", "Lazarević",  "Ljubičić",  "Lukić",      "Marković",
    "Matić",        "Milošević", "Mitrović",   "Nikolić",   "Njegovan",   "Novaković",
    "Obradović",    "Pantić",    "Pavlović",   "Petrović",  "Popović",    "Radovanović",
    "Ristić",       "Savić",     "Simić",      "Stanković", "Stojanović", "Šarić",
    "Šćekić",       "Tadić",     "Todorović",  "Urošević",  "Vasić",      "Vuković",
    "Zdravković",   "Zorić",     "Živković",   "Žugić",     "Arsić",      "Milenković",
    "Stevanović",   "Radić"};

const QStringList Cities = {"Beograd", "Novi Sad", "Niš",       "Kragujevac", "Subotica",
                            "Čačak",   "Šabac",    "Požarevac", "Užice",      "Zaječar"};

} // namespace

bool fillAddressBook(TestDataSource& db, int from, int to) {
    constexpr int PerStatement = 100;
    if (!db.verifier().transaction())
        return false;
    for (int first = from + 1; first <= to; first += PerStatement) {
        const int last = qMin(to, first + PerStatement - 1);
        QStringList rows;
        QVariantList values;
        for (int i = first; i <= last; ++i) {
            rows << QStringLiteral("(?, ?, ?, ?, ?, ?, ?, ?)");
            values << i << FirstNames.at((i * 7) % FirstNames.size())
                   << Surnames.at((i * 13 + i / 97) % Surnames.size())
                   << QString::number(1000000000000LL + i) << i % 2 << 1 + i % 2;
            values << (i % 5 == 0 ? nullText() : QVariant(Cities.at(i % Cities.size())));
            values << (i % 3 == 0 ? nullText()
                                  : QVariant(QStringLiteral("011/%1").arg(1000000 + i * 37)));
        }
        if (!db.exec(QStringLiteral("INSERT INTO adresar (rbr, ime, prezime, mbr, pol, status, "
                                    "grad, telefon) VALUES ") +
                         rows.join(QStringLiteral(", ")),
                     values))
            return false;
    }
    if (!db.verifier().commit())
        return false;
    settle(db, {QStringLiteral("adresar"), QStringLiteral("adresar_trazenje")});
    return true;
}

void settle(TestDataSource& db, const QStringList& tables) {
    if (db.engine() == TestDataSource::Engine::PostgreSQL) {
        for (const QString& table : tables)
            db.exec(QStringLiteral("VACUUM ANALYZE ") + table);
    } else {
        db.exec(QStringLiteral("ANALYZE"));
        db.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    }
}

bool fillCatalogue(TestDataSource& db, int count) {
    if (!db.exec(QStringLiteral("DELETE FROM nalazi")) || !db.verifier().transaction())
        return false;
    const int ordinary = count * 4 / 5;
    for (int i = 1; i <= count; ++i) {
        const int podgrupa = i <= ordinary ? 0 : 1;
        if (!db.exec(
                QStringLiteral("INSERT INTO nalazi VALUES (1, ?, ?, ?, 'g/L', 1.5, 9.5, 1.5, 9.5)"),
                {podgrupa, i, QStringLiteral("Hematološka analiza broj %1").arg(i)}))
            return false;
    }
    return db.verifier().commit();
}
