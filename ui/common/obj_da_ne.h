#pragma once

#include <QWidget>

class QCheckBox;

// A yes/no answer as two independent check boxes, "Da" left of "Ne": both, either or neither may
// be checked. The boxes stay out of the tab order so that tabbing through a form skips them.
class obj_da_ne : public QWidget {
    Q_OBJECT

public:
    explicit obj_da_ne(const QString& name, QWidget* parent = nullptr);

    QCheckBox* cbx_da() const { return m_da; }
    QCheckBox* cbx_ne() const { return m_ne; }

private:
    QCheckBox* m_ne = nullptr;
    QCheckBox* m_da = nullptr;
};

// One check box of a yes/no pair: "Arial" 10 pt, its label left of the box, reachable by mouse
// only. Placed in window units.
QCheckBox* makeToggleBox(const QString& name, const QString& text, int x, int width,
                         QWidget* parent);
