#pragma once

#include <QWidget>

class QCheckBox;
class SingleLineEdit;

// A yes/no pair with a free-text description beside it. The description is the only control that
// takes the focus by Tab. A holder may narrow the object: its controls keep their places and
// whatever lies beyond the new right edge is cut off.
class obj_da_ne_opis : public QWidget {
    Q_OBJECT

public:
    explicit obj_da_ne_opis(const QString& name, QWidget* parent = nullptr);

    QCheckBox* cbx_da() const { return m_da; }
    QCheckBox* cbx_ne() const { return m_ne; }
    SingleLineEdit* sle_opis() const { return m_opis; }

private:
    SingleLineEdit* m_opis = nullptr;
    QCheckBox* m_ne = nullptr;
    QCheckBox* m_da = nullptr;
};
