#pragma once

#include <QList>
#include <QWidget>

class MultiRowTabs;

// The PRIJEM page: the patient's identity, address and protocol rows above the inner tab of the
// reception and anamnesis pages. It is a layout only: nothing typed here is checked, stored or
// cleared, and no statement runs; the contents live until the program ends.
class tab_prijem : public QWidget {
    Q_OBJECT

public:
    explicit tab_prijem(QWidget* parent = nullptr);

    MultiRowTabs* tab_2a() const { return m_tab2a; }

private:
    void chainStops();

    MultiRowTabs* m_tab2a = nullptr;
    QList<QWidget*> m_headerStops;
    QList<QList<QWidget*>> m_pageStops; // per inner page, empty until the page is built
};
