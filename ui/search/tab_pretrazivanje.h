#pragma once

#include "runtime/widgets/deferred_build.h"

#include <QWidget>

class CommandButton;
class DropDownListBox;
class obj_pretrazivanje;

// The PRETRAŽIVANJE page: four criterion panels, one below the other, each joined to the one
// above by an "I" / "ILI" / "NE" connector. The page is the form only: "Pretraži" runs nothing and
// nothing reaches the database.
class tab_pretrazivanje : public QWidget {
    Q_OBJECT

public:
    explicit tab_pretrazivanje(QWidget* parent = nullptr);
    // The page alone, for the main window, which builds its controls (napravi) once.
    tab_pretrazivanje(BuildLater, QWidget* parent = nullptr);
    void napravi();

    // The colours of the four panels, in page order.
    static const long BojePanela[4];

private:
    obj_pretrazivanje* m_panels[4] = {};
    CommandButton* m_pretrazi = nullptr;
    DropDownListBox* m_connectors[3] = {};
};
