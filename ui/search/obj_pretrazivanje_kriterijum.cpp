// What the panel's choices mean for the search: the field of the list picked last, shown by its
// bold caption, and the criterion read from the controls.
#include "ui/search/obj_pretrazivanje.h"

#include "runtime/core/dates.h"
#include "runtime/widgets/controls.h"
#include "runtime/widgets/drop_down_list.h"

#include <QLabel>

using pretraga::Kriterijum;
using pretraga::Polje;

namespace {

Polje poljeNazvano(const QString& tekst, Polje inace) {
    for (int i = int(Polje::Ime); i <= int(Polje::LeukocitarnaFormula); ++i)
        if (pretraga::naziv(Polje(i)) == tekst)
            return Polje(i);
    return inace;
}

pretraga::Vrednost vrednostNazvana(const QString& tekst) {
    if (tekst == QStringLiteral("sve"))
        return pretraga::Vrednost::Sve;
    if (tekst == QStringLiteral("veće"))
        return pretraga::Vrednost::Vece;
    if (tekst == QStringLiteral("manje"))
        return pretraga::Vrednost::Manje;
    return pretraga::Vrednost::Normalna;
}

} // namespace

void obj_pretrazivanje::povezi() {
    DropDownListBox* lists[] = {m_opstiPodaci, m_pregled, m_anamneza};
    for (int i = 0; i < 3; ++i)
        connect(lists[i], &QComboBox::activated, this, [this, i] {
            izaberiListu(i);
            emit promenjen();
        });
    for (DropDownListBox* list : {m_pocetna, m_krajnja, m_klasa})
        connect(list, &QComboBox::currentIndexChanged, this, &obj_pretrazivanje::promenjen);
    connect(m_sle1, &QLineEdit::textChanged, this, &obj_pretrazivanje::promenjen);
    izaberiListu(0);
}

void obj_pretrazivanje::izaberiListu(int lista) {
    m_lista = lista;
    QLabel* captions[] = {m_opsti1, m_opsti2, m_opsti3};
    for (int i = 0; i < 3; ++i) {
        QFont font = captions[i]->font();
        font.setBold(i == lista);
        captions[i]->setFont(font);
    }
}

Kriterijum obj_pretrazivanje::kriterijum(pretraga::Veznik veznik) const {
    Kriterijum kriterijum;
    const DropDownListBox* lists[] = {m_opstiPodaci, m_pregled, m_anamneza};
    const Polje prva[] = {Polje::Ime, Polje::Dg, Polje::Biohemija};
    kriterijum.polje = poljeNazvano(lists[m_lista]->currentText(), prva[m_lista]);
    kriterijum.tekst = m_sle1->text();
    // A year list without a selection leaves its end of the range open.
    const int od = m_pocetna->currentText().toInt();
    const int do_ = m_krajnja->currentText().toInt();
    kriterijum.od = od > 0 ? od : m_pocetna->itemText(0).toInt();
    kriterijum.do_ = do_ > 0 ? do_ : Today().year();
    kriterijum.vrednost = vrednostNazvana(m_klasa->currentText());
    kriterijum.veznik = veznik;
    return kriterijum;
}

int obj_pretrazivanje::naStrani() const {
    const int broj = m_prikaz->currentText().toInt();
    return broj > 0 ? broj : 10;
}
