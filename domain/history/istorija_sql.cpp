#include "domain/history/istorija_sql.h"

#include "runtime/core/transaction.h"

namespace istorija_sql {

namespace {

const QString History = QStringLiteral(
    "SELECT CAST(kada AS VARCHAR(19)), pult, polje, stara_vrednost, radnja FROM istorija WHERE "
    "tabela = ? AND rbr_zapisa = ? ORDER BY rbr DESC");
const QString Desk = QStringLiteral("SELECT korisnik FROM istorija_pult");
const QString ClearDesk = QStringLiteral("DELETE FROM istorija_pult");
const QString SetDesk = QStringLiteral("INSERT INTO istorija_pult (korisnik) VALUES (?)");

QString textOf(const QVariant& value) {
    return value.isNull() ? QString() : value.toString();
}

Rows<Promena> istorija(Transaction& sqlca, const QString& tabela, int rbr) {
    return readRowsAs<Promena>(sqlca, History, {tabela, rbr}, [](const QVariantList& red) {
        Promena promena;
        promena.kada = QDateTime::fromString(textOf(red.at(0)).left(19).replace(u'T', u' '),
                                             QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        promena.pult = textOf(red.at(1));
        promena.polje = textOf(red.at(2));
        promena.staraVrednost = textOf(red.at(3));
        promena.obrisano = textOf(red.at(4)) == QLatin1String("brisanje");
        return promena;
    });
}

} // namespace

Rows<Promena> istorijaPosete(Transaction& sqlca, int rbrPoseta) {
    return istorija(sqlca, QStringLiteral("poseta"), rbrPoseta);
}

Rows<Promena> istorijaUnosa(Transaction& sqlca, int rbrAdresar) {
    return istorija(sqlca, QStringLiteral("adresar"), rbrAdresar);
}

void postaviPult(Transaction& sqlca, const QString& korisnik) {
    const One<QString> sada =
        readOne<QString>(sqlca, Desk, {}, [](const QVariant& v) { return v.toString(); });
    if (sada.failed() || sada.value == korisnik || korisnik.isEmpty())
        return;
    sqlca.execute(ClearDesk);
    if (sqlca.sqlcode == Transaction::Success)
        sqlca.execute(SetDesk, {korisnik});
    if (sqlca.sqlcode == Transaction::Success)
        sqlca.commit();
    if (sqlca.sqlcode != Transaction::Success)
        sqlca.rollback();
}

} // namespace istorija_sql
