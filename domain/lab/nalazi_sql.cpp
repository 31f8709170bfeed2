#include "domain/lab/nalazi_sql.h"

#include "runtime/core/convert.h"
#include "runtime/core/cursor_reader.h"

#include <QVariant>
#include <QVariantList>

namespace nalazi_sql {

const QString hematologija = QStringLiteral(
    "SELECT grupa, podgrupa, rbr, naziv, jed_mere, ref_m_nizi, ref_m_visi, ref_z_nizi, "
    "ref_z_visi FROM nalazi WHERE grupa = 1 and podgrupa = 0 order by rbr");
const QString leukocitna_formula = QStringLiteral(
    "SELECT grupa, podgrupa, rbr, naziv, jed_mere, ref_m_nizi, ref_m_visi, ref_z_nizi, "
    "ref_z_visi FROM nalazi WHERE grupa = 1 and podgrupa = 1 order by rbr");

namespace {

// A reference bound keeps its decimal places; NULL (an open bound) reads as 0, as it always has.
Decimal toDecimal(const QVariant& value) {
    return decimalOfColumn(value).value_or(Decimal());
}

} // namespace

nalaz nalazIzReda(const QVariantList& columns) {
    const auto column = [&columns](int i) {
        return i < columns.size() ? columns.at(i) : QVariant();
    };
    nalaz row;
    row.grupa = qint16(column(0).toInt());
    row.podgrupa = qint16(column(1).toInt());
    row.rbr = qint16(column(2).toInt());
    row.naziv = column(3).toString();
    row.jed_mere = column(4).toString();
    row.ref_m_nizi = toDecimal(column(5));
    row.ref_m_visi = toDecimal(column(6));
    row.ref_z_nizi = toDecimal(column(7));
    row.ref_z_visi = toDecimal(column(8));
    return row;
}

QList<grupa_analiza> grupe() {
    return {{QStringLiteral("Biohemija"), 2, std::nullopt},
            {QStringLiteral("Hematologija"), 1, qint16(0)},
            {QStringLiteral("Leukocitarna formula"), 1, qint16(1)},
            {QStringLiteral("Urin"), 3, std::nullopt}};
}

Result<QList<analiza>> katalog(Transaction& sqlca) {
    // The bounds as text, so that the list comes through the block reader in one go.
    static const QString Katalog = QStringLiteral(
        "SELECT grupa, podgrupa, rbr, naziv, jed_mere, CAST(ref_m_nizi AS VARCHAR(20)), "
        "CAST(ref_m_visi AS VARCHAR(20)), CAST(ref_z_nizi AS VARCHAR(20)), "
        "CAST(ref_z_visi AS VARCHAR(20)) FROM nalazi ORDER BY grupa, podgrupa, rbr");
    return readRowsAs<analiza>(sqlca, Katalog, {}, [](const QVariantList& red) {
        analiza a;
        a.grupa = qint16(red.at(0).toInt());
        a.podgrupa = qint16(red.at(1).toInt());
        a.rbr = qint16(red.at(2).toInt());
        a.naziv = red.at(3).toString();
        a.jed_mere = textOfColumn(red.at(4));
        a.muski = {decimalOfColumn(red.at(5)), decimalOfColumn(red.at(6))};
        a.zenski = {decimalOfColumn(red.at(7)), decimalOfColumn(red.at(8))};
        return a;
    });
}

std::optional<analiza> nadji(const QList<analiza>& katalog, qint16 grupa, qint16 podgrupa,
                             qint16 rbr) {
    for (const analiza& a : katalog)
        if (a.grupa == grupa && a.podgrupa == podgrupa && a.rbr == rbr)
            return a;
    return std::nullopt;
}

Result<QList<nalaz>> ucitaj(Transaction& sqlca, const QString& ls_select_string) {
    return readRowsAs<nalaz>(sqlca, ls_select_string, {}, nalazIzReda);
}

} // namespace nalazi_sql
