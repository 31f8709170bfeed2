// What "SAČUVAJ" and "OBRIŠI" of the editor bar do on the page: the work itself is adresar_upis's,
// in one unit of work; the page asks first and shows the outcome after.
#include "ui/addressbook/tab_adresar.h"

#include "domain/addressbook/adresar_upis.h"
#include "runtime/core/convert.h"
#include "ui/common/pokazi_ishod.h"
#include "ui/common/w_da_ne.h"
#include "ui/common/w_obavestenje.h"

void tab_adresar::sacuvaj() {
    const Result<Ishod> ishod =
        adresar_upis::sacuvaj(m_sqlca, forma(), toInteger(rbrText()), m_rbrStatus);
    if (pokaziIshod(ishod))
        postaviRbr(ishod.value.rbr); // a further save of this form updates the same row
}

void tab_adresar::obrisi() {
    const int rbr = toInteger(rbrText());
    if (rbr < 1)
        return;
    if (!w_da_ne::pitaj(adresar_upis::pitanjeZaBrisanje()))
        return;
    const Result<Ishod> ishod = adresar_upis::obrisi(m_sqlca, rbr);
    if (ishod.failed()) {
        w_da_ne::pitaj(adresar_upis::neobrisano());
        if (!ishod.value.obavestenje.isEmpty())
            w_obavestenje::obavesti(ishod.value.obavestenje);
    } else {
        ukloniIzListe(rbr); // the deleted entry's own row, whichever row is current
    }
    obrisiFormu();
}
