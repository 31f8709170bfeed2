#include "domain/lab/nalazi_sql.h"

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

// A reference bound keeps its decimal places: drivers hand NUMERIC over as text or as a double,
// and a double is taken at its shortest decimal form, not at its binary value.
Decimal toDecimal(const QVariant& value) {
    if (value.isNull())
        return {};
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float)
        return Decimal::fromDouble(value.toDouble());
    return Decimal::fromText(value.toString());
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

Rows<nalaz> ucitaj(Transaction& sqlca, const QString& ls_select_string) {
    return readRowsAs<nalaz>(sqlca, ls_select_string, {}, nalazIzReda);
}

} // namespace nalazi_sql
