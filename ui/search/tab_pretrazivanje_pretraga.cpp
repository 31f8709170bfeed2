// What the page does with its panels: the query in words under them, kept up to date at every
// change, and "Pretraži", which checks the criteria and opens the results.
#include "ui/search/tab_pretrazivanje.h"

#include "domain/search/pravila.h"
#include "runtime/widgets/command_button.h"
#include "runtime/widgets/drop_down_list.h"
#include "runtime/widgets/factories.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/message_box.h"
#include "runtime/widgets/units.h"
#include "ui/search/obj_pretrazivanje.h"
#include "ui/search/w_rezultati_pretrage.h"

#include <QLabel>

namespace {

pretraga::Veznik veznikNazvan(const QString& tekst) {
    if (tekst == QStringLiteral("I"))
        return pretraga::Veznik::I;
    if (tekst == QStringLiteral("NE"))
        return pretraga::Veznik::NE;
    return pretraga::Veznik::ILI;
}

} // namespace

void tab_pretrazivanje::napraviPretragu(int x, int y, int width) {
    m_upit = makeLabel(this, QStringLiteral("st_upit"), QString(), ScreenFont::ArialCE10Bold);
    m_upit->setWordWrap(true);
    placeInUnits(m_upit, x, y, width, 160);
    for (obj_pretrazivanje* panel : m_panels)
        connect(panel, &obj_pretrazivanje::promenjen, this, &tab_pretrazivanje::osveziUpit);
    for (DropDownListBox* connector : m_connectors)
        connect(connector, &QComboBox::currentIndexChanged, this, &tab_pretrazivanje::osveziUpit);
    connect(m_pretrazi, &QPushButton::clicked, this, &tab_pretrazivanje::pretrazi);
    osveziUpit();
}

QList<pretraga::Kriterijum> tab_pretrazivanje::kriterijumi() const {
    QList<pretraga::Kriterijum> paneli;
    paneli << m_panels[0]->kriterijum();
    for (int i = 1; i < 4; ++i)
        paneli << m_panels[i]->kriterijum(veznikNazvan(m_connectors[i - 1]->currentText()));
    return paneli;
}

void tab_pretrazivanje::osveziUpit() {
    m_upit->setText(pretraga::upitRecima(kriterijumi()));
}

void tab_pretrazivanje::pretrazi() {
    const QList<pretraga::Kriterijum> paneli = kriterijumi();
    const QString zasto = pretraga::zastoNe(paneli);
    if (!zasto.isEmpty()) {
        MessageBox(QStringLiteral("Pretraga"), zasto);
        return;
    }
    auto* rezultati = new w_rezultati_pretrage(m_sqlca, paneli, m_panels[0]->naStrani(), this);
    connect(rezultati, &w_rezultati_pretrage::otvoriUnos, this, &tab_pretrazivanje::otvoriUnos);
    connect(rezultati, &w_rezultati_pretrage::otvoriPosetu, this, &tab_pretrazivanje::otvoriPosetu);
    if (!rezultati->prikazi(0)) {
        delete rezultati;
        return;
    }
    openWindow(rezultati);
}
