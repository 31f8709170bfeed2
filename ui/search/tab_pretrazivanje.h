#pragma once

#include "domain/search/kriterijum.h"
#include "runtime/widgets/deferred_build.h"

#include <QWidget>

class CommandButton;
class DropDownListBox;
class QLabel;
class Transaction;
class obj_pretrazivanje;

// The PRETRAŽIVANJE page: four criterion panels, one below the other, each joined to the one
// above by an "I" / "ILI" / "NE" connector, and the query in words under them. "Pretraži" runs
// the search and opens its results; until then the page sends no statement but the read of the
// oldest visit's year. It reads and searches on the connection it is made with.
class tab_pretrazivanje : public QWidget {
    Q_OBJECT

public:
    explicit tab_pretrazivanje(Transaction& sqlca, QWidget* parent = nullptr);
    // The page alone, for the main window, which builds its controls (napravi) once.
    tab_pretrazivanje(Transaction& sqlca, BuildLater, QWidget* parent = nullptr);
    // The controls, in steps that may run apart (each panel, then the rest); napravi runs them
    // all.
    QList<DeferredBuild::Step> koraciIzgradnje();
    void napravi();

    // The colours of the four panels, in page order.
    static const long BojePanela[4];

    // The four panels' criteria, each with the connector beside it.
    QList<pretraga::Kriterijum> kriterijumi() const;
    // "Pretraži": refuses what cannot run with a message, else opens the results' first page.
    void pretrazi();
    // Every panel's year lists reach back to prva (the year of the oldest stored visit).
    void prosiriGodine(int prva);
    // Reads the year of the oldest stored visit and widens the year lists to it (when the page is
    // opened: other desks may have stored older visits meanwhile).
    void procitajGodine();

signals:
    // From the results: open an address-book entry, or a visit.
    void otvoriUnos(int rbr);
    void otvoriPosetu(int rbr);

private:
    // What follows the panels: the button, the connectors, the tab order and the query line.
    void napraviOstalo();
    // The query line under the panels at (x, y), and what "Pretraži" and every change do.
    void napraviPretragu(int x, int y, int width);
    void osveziUpit();

    Transaction& m_sqlca;
    obj_pretrazivanje* m_panels[4] = {};
    CommandButton* m_pretrazi = nullptr;
    DropDownListBox* m_connectors[3] = {};
    QLabel* m_upit = nullptr;
};
