#pragma once

#include <QList>
#include <QWidget>

class MultiRowTabs;
class QTabWidget;
class Transaction;
class prijem_posete;

// The PRIJEM page: the patient's identity, address and protocol rows above the inner tab of the
// reception and anamnesis pages. The form itself checks nothing and runs no statement; keeping a
// visit is the work of its visit commands (prijem_posete), which the main window adds.
class tab_prijem : public QWidget {
    Q_OBJECT

public:
    explicit tab_prijem(QWidget* parent = nullptr);

    MultiRowTabs* tab_2a() const { return m_tab2a; }

    // Adds the visit commands beside tabMain's labels, working on sqlca.
    void dodajPosete(Transaction& sqlca, QTabWidget* tabMain);
    prijem_posete* posete() const { return m_posete; }
    // Opens stored visit rbrPoseta after the save question; false when it was not opened.
    bool otvoriPosetu(int rbrPoseta);
    // The save question before the form's contents are dropped; true when they may be.
    bool pitajZaIzmene();

private:
    void chainStops();

    MultiRowTabs* m_tab2a = nullptr;
    prijem_posete* m_posete = nullptr;
    QList<QWidget*> m_headerStops;
    QList<QList<QWidget*>> m_pageStops; // per inner page, empty until the page is built
};
