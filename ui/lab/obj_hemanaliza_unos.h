#pragma once

#include "runtime/core/decimal.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;

// One analysis line of the hematology order window: a check box "to be done" at the left, the
// analysis name in the middle and its price at the right. Neither text can be typed into; the
// program sets the price.
class obj_hemanaliza_unos : public QWidget {
    Q_OBJECT

public:
    // The line's size in window units.
    static constexpr int WidthUnits = 1691;
    static constexpr int HeightUnits = 104;

    explicit obj_hemanaliza_unos(QWidget* parent = nullptr);

    void popuni_polja(const QString& naziv, Decimal cena);
    // The line's price when it is checked, else 0.
    Decimal dodavanje_cene() const;

    bool raditi() const;
    void setRaditi(bool checked);

    QCheckBox* cbx_raditi() const { return m_raditi; }
    QLineEdit* sle_hemoglobin_lhk() const { return m_naziv; }
    QLineEdit* sle_hemat_cena() const { return m_cena; }

signals:
    // The user has ticked or cleared the check box; the window recomputes the price.
    void raditiClicked();

private:
    QLineEdit* m_cena;
    QLineEdit* m_naziv;
    QCheckBox* m_raditi;
};
