#pragma once

#include "runtime/core/decimal.h"

#include <QString>
#include <QWidget>

class EditMask;
class PictureButton;
class QComboBox;
class QLabel;

// The price panel at the bottom of the hematology order window: the total of the checked
// analyses, the discount list, the amount to pay after the discount and "Prihvati", which reports
// that amount (`prihvacen`); whoever opened the window decides where it goes.
class obj_hemanaliza_cena : public QWidget {
    Q_OBJECT

public:
    static constexpr int WidthUnits = 3580;
    static constexpr int HeightUnits = 420;

    explicit obj_hemanaliza_cena(QWidget* parent = nullptr);

    // Shows the sum of the checked lines as the total and recomputes the amount to pay.
    void unesi_cenu(Decimal cena);
    // Amount to pay = total − discount % of the total, in doubles.
    void za_naplatu();

    // The text of the discount entry the user last picked; empty until the first pick.
    QString procenat;

    EditMask* em_hemat_cena_ukupnapopust() const { return m_zaNaplatu; }
    EditMask* em_hemat_cena_ukupna() const { return m_ukupna; }
    PictureButton* pb_hemanaliza_cene() const { return m_prihvati; }
    QComboBox* ddlb_hem_popust() const { return m_popust; }

signals:
    // "Prihvati": the amount to pay, exactly as the field shows it.
    void prihvacen(Decimal iznos);

private:
    void prihvati();

    EditMask* m_zaNaplatu;
    EditMask* m_ukupna;
    PictureButton* m_prihvati;
    QLabel* m_popustLabel;
    QComboBox* m_popust;
    QLabel* m_zaNaplatuLabel;
    QLabel* m_ukupnaLabel;
};
