#include "domain/history/istorija_sql.h"

#include "runtime/core/convert.h"
#include "runtime/core/cursor_reader.h"
#include "runtime/core/transaction.h"

namespace istorija_sql {

namespace {

const QString History = QStringLiteral(
    "SELECT CAST(kada AS VARCHAR(19)), pult, polje, stara_vrednost, radnja FROM istorija WHERE "
    "tabela = ? AND rbr_zapisa = ? ORDER BY rbr DESC");
const QString Desk = QStringLiteral("SELECT korisnik FROM istorija_pult");
const QString ClearDesk = QStringLiteral("DELETE FROM istorija_pult");
const QString SetDesk = QStringLiteral("INSERT INTO istorija_pult (korisnik) VALUES (?)");

Result<QList<Promena>> istorija(Transaction& sqlca, const QString& tabela, int rbr) {
    return readRowsAs<Promena>(sqlca, History, {tabela, rbr}, [](const QVariantList& red) {
        Promena promena;
        promena.kada = QDateTime::fromString(textOfColumn(red.at(0)).left(19).replace(u'T', u' '),
                                             QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        promena.pult = textOfColumn(red.at(1));
        promena.polje = textOfColumn(red.at(2));
        promena.staraVrednost = textOfColumn(red.at(3));
        promena.obrisano = textOfColumn(red.at(4)) == QLatin1String("brisanje");
        return promena;
    });
}

} // namespace

Result<QList<Promena>> istorijaPosete(Transaction& sqlca, int rbrPoseta) {
    return istorija(sqlca, QStringLiteral("poseta"), rbrPoseta);
}

Result<QList<Promena>> istorijaUnosa(Transaction& sqlca, int rbrAdresar) {
    return istorija(sqlca, QStringLiteral("adresar"), rbrAdresar);
}

Result<> postaviPult(Transaction& sqlca, const QString& korisnik) {
    const Result<std::optional<QString>> sada =
        readOne<QString>(sqlca, Desk, {}, [](const QVariant& v) { return v.toString(); });
    if (sada.failed() || sada.value == korisnik || korisnik.isEmpty())
        return sada.outcome();
    Result<> upisan = sqlca.execute(ClearDesk);
    if (upisan.succeeded())
        upisan = sqlca.execute(SetDesk, {korisnik});
    if (upisan.succeeded())
        upisan = sqlca.commit();
    if (!upisan.succeeded())
        sqlca.rollback();
    return upisan;
}

} // namespace istorija_sql
