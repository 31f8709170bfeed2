#pragma once

#include "domain/search/kriterijum.h"

#include <QFrame>

class DropDownListBox;
class QLabel;
class SingleLineEdit;

// One search criterion: a free-text box, a year range, how many entries to show per page, three
// lists of fields and a value class. Its lists preselect their items when it is built. The field
// is the list the user picked from last ("Opšti podaci" until then); its caption is in bold.
class obj_pretrazivanje : public QFrame {
    Q_OBJECT

public:
    explicit obj_pretrazivanje(const QString& name, QWidget* parent = nullptr);

    // Colours the panel and its seven labels with boja (red + 256 × green + 65536 × blue); the
    // lists and the text box keep their own colours.
    void promena_boje(long boja);

    // The years the two year lists offer: from 1995 to the current year, so that this year and
    // the one before can always be preselected.
    static QStringList godine();
    // Both year lists reach back to prva when it is earlier than their first year, so that the
    // oldest stored visit can be asked for; the years picked stay picked.
    void prosiriGodine(int prva);

    // The panel's first and last control in tab order, for the page's own tab order.
    QWidget* firstInTabOrder() const;
    QWidget* lastInTabOrder() const;

    // The criterion as the user set it; veznik is the connector beside the panel.
    pretraga::Kriterijum kriterijum(pretraga::Veznik veznik = pretraga::Veznik::ILI) const;
    // "Prikaži po": how many entries a page of results shows.
    int naStrani() const;

signals:
    // The text or any list changed.
    void promenjen();

private:
    void povezi();
    // The field list picked last: 0 "Opšti podaci", 1 "Pregled", 2 "Lab analize".
    void izaberiListu(int lista);

    void build();
    void arrange();
    void preselect();

    SingleLineEdit* m_sle1 = nullptr;
    QLabel* m_opseg = nullptr;
    QLabel* m_do = nullptr;
    QLabel* m_od = nullptr;
    DropDownListBox* m_pocetna = nullptr;
    DropDownListBox* m_krajnja = nullptr;
    DropDownListBox* m_prikaz = nullptr;
    QLabel* m_opsti1 = nullptr;
    QLabel* m_opsti2 = nullptr;
    QLabel* m_opsti3 = nullptr;
    DropDownListBox* m_opstiPodaci = nullptr;
    DropDownListBox* m_pregled = nullptr;
    DropDownListBox* m_anamneza = nullptr;
    QLabel* m_vrednost = nullptr;
    DropDownListBox* m_klasa = nullptr;
    int m_lista = 0;
};
