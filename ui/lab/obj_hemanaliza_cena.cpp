#include "ui/lab/obj_hemanaliza_cena.h"

#include "domain/lab/racun.h"
#include "runtime/core/convert.h"
#include "runtime/widgets/controls.h"
#include "runtime/widgets/factories.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/picture_button.h"
#include "runtime/widgets/units.h"

#include <QComboBox>
#include <QLabel>

obj_hemanaliza_cena::obj_hemanaliza_cena(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("obj_hemanaliza_cena"));
    resizeInUnits(this, WidthUnits, HeightUnits);

    m_zaNaplatu = makeAmount(this, QStringLiteral("em_hemat_cena_ukupnapopust"), ScreenFont::Arial9,
                             QStringLiteral("0.00"));
    placeInUnits(m_zaNaplatu, 1700, 156, 560, 92);
    m_ukupna = makeAmount(this, QStringLiteral("em_hemat_cena_ukupna"), ScreenFont::Arial9,
                          QStringLiteral("0.00"));
    placeInUnits(m_ukupna, 560, 24, 560, 92);

    m_prihvati = new PictureButton(QStringLiteral("pb_hemanaliza_cene"), this);
    m_prihvati->setText(QStringLiteral("Prihvati"));
    setScreenFont(m_prihvati, ScreenFont::ArialCE9);
    placeInUnits(m_prihvati, 3020, 280, 520, 112);

    m_popustLabel = makeLabel(this, QStringLiteral("st_hemat_cena_popust"),
                              QStringLiteral("Popust"), ScreenFont::Arial9);
    placeInUnits(m_popustLabel, 60, 164, 480, 80);

    m_popust = new QComboBox(this);
    m_popust->setObjectName(QStringLiteral("ddlb_hem_popust"));
    setScreenFont(m_popust, ScreenFont::ArialCE9);
    // The entries stay in this order: the list is not sorted.
    m_popust->addItems({QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("25"),
                        QStringLiteral("50"), QStringLiteral("100")});
    m_popust->setMaxVisibleItems(5);
    placeInUnits(m_popust, 560, 156, 400, 92);
    // "0" is shown from the start; procenat stays empty until the user picks an entry.
    m_popust->setCurrentIndex(0);

    m_zaNaplatuLabel = makeLabel(this, QStringLiteral("st_hemat_cenapopust"),
                                 QStringLiteral("Za naplatu"), ScreenFont::Arial9);
    placeInUnits(m_zaNaplatuLabel, 1160, 164, 520, 80);
    m_ukupnaLabel = makeLabel(this, QStringLiteral("st_hemat_cena"), QStringLiteral("Ukupna cena"),
                              ScreenFont::Arial9);
    placeInUnits(m_ukupnaLabel, 60, 32, 480, 80);

    // activated: every pick by the user, even of the entry already shown, so that picking the
    // same discount again applies it to a total typed in by hand.
    connect(m_popust, &QComboBox::activated, this, [this](int index) {
        procenat = m_popust->itemText(index);
        za_naplatu();
    });
    connect(m_prihvati, &QPushButton::clicked, this, &obj_hemanaliza_cena::prihvati);

    // From the total over the discount to the amount and "Prihvati".
    chainTabOrder({m_ukupna, m_popust, m_zaNaplatu, m_prihvati});
}

void obj_hemanaliza_cena::unesi_cenu(Decimal cena) {
    m_ukupna->setValue(cena.toString());
    za_naplatu();
}

void obj_hemanaliza_cena::za_naplatu() {
    // Before the first pick procenat is empty, which counts as 0: the amount equals the total, as
    // the list's "0" promises.
    m_zaNaplatu->setValue(numberToText(racun::zaNaplatu(m_ukupna->text(), procenat)));
}

void obj_hemanaliza_cena::prihvati() {
    // The amount as the field shows it, also when the user has typed into it and not left it.
    emit prihvacen(m_zaNaplatu->amount());
}
