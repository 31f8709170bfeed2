#include "ui/lab/obj_hemanaliza_unos.h"

#include "runtime/core/convert.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/units.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

QLineEdit* makeDisplayField(const QString& name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    // Display only: tabbing goes from check box to check box, not through the texts.
    field->setFocusPolicy(Qt::NoFocus);
    setScreenFont(field, ScreenFont::Arial9);
    return field;
}

} // namespace

obj_hemanaliza_unos::obj_hemanaliza_unos(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("obj_hemanaliza_unos"));
    resizeInUnits(this, WidthUnits, HeightUnits);

    m_cena = makeDisplayField(QStringLiteral("sle_hemat_cena"), this);
    // The price reads from the right, as amounts do.
    m_cena->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    placeInUnits(m_cena, 1380, 4, 311, 96);

    m_naziv = makeDisplayField(QStringLiteral("sle_hemoglobin_lhk"), this);
    placeInUnits(m_naziv, 110, 4, 1250, 96);

    m_raditi = new QCheckBox(this);
    m_raditi->setObjectName(QStringLiteral("cbx_raditi"));
    m_raditi->setChecked(false);
    placeInUnits(m_raditi, 10, 4, 90, 96);

    // clicked comes only from the user (mouse or space bar), after the box has toggled; the
    // window's buttons set the states themselves and recompute once at the end.
    connect(m_raditi, &QCheckBox::clicked, this, &obj_hemanaliza_unos::raditiClicked);
}

void obj_hemanaliza_unos::popuni_polja(const QString& naziv, Decimal cena) {
    m_naziv->setText(naziv);
    m_naziv->setCursorPosition(0);
    // A line price is money with two places: 10.00, not 10.
    m_cena->setText(cena.toString(2));
}

Decimal obj_hemanaliza_unos::dodavanje_cene() const {
    Decimal cena = Decimal::fromText(QStringLiteral("0.0"));
    if (raditi())
        cena = Decimal::fromDouble(toDouble(m_cena->text()));
    return cena;
}

bool obj_hemanaliza_unos::raditi() const {
    // A box in its third (undetermined) state counts as not checked.
    return m_raditi->checkState() == Qt::Checked;
}

void obj_hemanaliza_unos::setRaditi(bool checked) {
    m_raditi->setChecked(checked);
}
