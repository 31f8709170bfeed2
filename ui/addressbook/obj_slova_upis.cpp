// What "SAČUVAJ", "OBRIŠI" and "NOVI" do with the entry in the page's form.
#include "ui/addressbook/obj_slova.h"

#include "app/mab_oru.h"
#include "runtime/builtins.h"
#include "runtime/convert.h"
#include "runtime/message_box.h"
#include "runtime/transaction.h"
#include "ui/addressbook/adresar_sql.h"
#include "ui/addressbook/tab_adresar.h"
#include "ui/common/w_da_ne.h"
#include "ui/common/w_obavestenje.h"

namespace {
constexpr int MbrLength = 13;
}

void obj_slova::sacuvaj() {
    AdresarUnos unos = m_page->forma();
    if (unos.ime.isEmpty())
        return w_obavestenje::obavesti(QStringLiteral("Morate uneti ime u adresar!"));
    if (unos.prezime.isEmpty())
        return w_obavestenje::obavesti(QStringLiteral("Morate uneti prezime u adresar!"));
    // Only the length is checked: letters and spaces in a 13-character number pass.
    if (!unos.mbr.isEmpty() && unos.mbr.size() != MbrLength)
        return w_obavestenje::obavesti(QStringLiteral("Maticni broj mora imati 13 cifara!"));
    const QVariant mbr = textOrNull(unos.mbr);

    Transaction& transaction = sqlca();
    const QVariant najveci = adresar_sql::najveciRbr(transaction);
    if (transaction.sqlcode != Transaction::Success)
        MessageBox(QString(), transaction.sqlerrtext);
    // An empty address book has no largest key (NULL): its first entry gets key 1.
    int rbr = (najveci.isNull() ? 0 : najveci.toInt()) + 1;
    unos.status = app().rbr_status;

    const int postojeci = toInteger(m_page->rbrText());
    if (postojeci == 0) {
        if (rbr > adresar_sql::NajveciRbr)
            return w_obavestenje::obavesti(
                QStringLiteral("Adresar je pun: redni broj novog unosa bio bi veći od %1!")
                    .arg(adresar_sql::NajveciRbr));
        const int rabr = adresar_sql::brojIstogMbr(transaction, mbr);
        if (transaction.sqlcode != Transaction::Success)
            return w_obavestenje::obavesti(QStringLiteral("Greska pri upitu duplog MBRa!"));
        if (rabr > 0)
            return w_obavestenje::obavesti(QStringLiteral("Uneli ste dupli MBR!"));
        unos.rbr = rbr;
        adresar_sql::unesi(transaction, unos);
    } else {
        rbr = postojeci;
        const int rabr = adresar_sql::brojIstogMbr(transaction, mbr, rbr);
        if (transaction.sqlcode != Transaction::Success)
            return w_obavestenje::obavesti(QStringLiteral("Greska pri upitu duplog MBRa!"));
        if (rabr > 0)
            return w_obavestenje::obavesti(QStringLiteral("Uneli ste dupli MBR!"));
        unos.rbr = rbr;
        adresar_sql::izmeni(transaction, unos);
    }
    // A failed write is neither committed nor rolled back, and the form keeps its values.
    if (transaction.sqlcode != Transaction::Success) {
        MessageBox(QString(), transaction.sqlerrtext);
        return;
    }
    m_page->postaviRbr(rbr); // a further save of this form updates the same row
    adresar_sql::potvrdi(transaction);
}

void obj_slova::obrisi() {
    const int rbr = toInteger(m_page->rbrText());
    if (rbr < 1)
        return;
    if (!w_da_ne::pitaj(QString(61, QLatin1Char(' ')) +
                        QStringLiteral("Da li zelite da obrisete podatak?")))
        return;
    Transaction& transaction = sqlca();
    adresar_sql::obrisi(transaction, rbr);
    if (transaction.sqlcode != Transaction::Success) {
        w_da_ne::pitaj(QStringLiteral("GR0020 Greska pri brisanju podatka iz adresara!"));
    } else {
        adresar_sql::potvrdi(transaction);
        // The list loses the deleted entry's own row, whichever row happens to be current.
        m_page->ukloniIzListe(rbr);
    }
    obrisipolja();
}

void obj_slova::obrisipolja() {
    m_page->obrisiFormu();
}
