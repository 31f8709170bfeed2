// What "SAČUVAJ", "OBRIŠI" and "NOVI" show: the work itself is adresar_upis's.
#include "ui/addressbook/obj_slova.h"

#include "domain/addressbook/adresar_upis.h"
#include "runtime/core/convert.h"
#include "runtime/widgets/message_box.h"
#include "ui/addressbook/tab_adresar.h"
#include "ui/common/globals.h"
#include "ui/common/w_da_ne.h"
#include "ui/common/w_obavestenje.h"

void obj_slova::sacuvaj() {
    using Kraj = adresar_upis::IshodUpisa::Kraj;
    const adresar_upis::IshodUpisa ishod = adresar_upis::sacuvaj(
        m_sqlca, m_page->forma(), toInteger(m_page->rbrText()), globals().rbr_status);
    if (ishod.najveciNeprocitan)
        MessageBox(QString(), ishod.greskaNajveceg);
    switch (ishod.kraj) {
    case Kraj::Obavestenje:
        w_obavestenje::obavesti(ishod.obavestenje);
        break;
    case Kraj::Neupisano:
        MessageBox(QString(), ishod.tekstBaze);
        break;
    case Kraj::Upisano:
        m_page->postaviRbr(ishod.rbr); // a further save of this form updates the same row
        break;
    }
}

void obj_slova::obrisi() {
    const int rbr = toInteger(m_page->rbrText());
    if (rbr < 1)
        return;
    if (!w_da_ne::pitaj(adresar_upis::pitanjeZaBrisanje()))
        return;
    const adresar_upis::IshodBrisanja ishod = adresar_upis::obrisi(m_sqlca, rbr);
    if (ishod.kraj == adresar_upis::IshodBrisanja::Kraj::Neobrisano) {
        w_da_ne::pitaj(ishod.poruka);
        if (!ishod.obavestenje.isEmpty())
            w_obavestenje::obavesti(ishod.obavestenje);
    } else
        m_page->ukloniIzListe(rbr); // the deleted entry's own row, whichever row is current
    obrisipolja();
}

void obj_slova::obrisipolja() {
    m_page->obrisiFormu();
}
