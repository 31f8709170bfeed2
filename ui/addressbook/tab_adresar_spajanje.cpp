// The address book's merge of two entries of one patient: the list's context menu offers to merge
// the entry under the pointer into the one the form shows; no control of the page moves for it.
#include "ui/addressbook/tab_adresar.h"

#include "domain/addressbook/spajanje.h"
#include "runtime/core/convert.h"
#include "runtime/widgets/list_data_window.h"
#include "runtime/widgets/message_box.h"
#include "ui/common/pokazi_ishod.h"
#include "ui/common/w_da_ne.h"
#include "ui/common/w_obavestenje.h"

#include <QAction>
#include <QMenu>

namespace {
const QString KeyColumn = QStringLiteral("adresar_rbr");
}

void tab_adresar::napraviSpajanje() {
    dw_pretraga->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(dw_pretraga, &QWidget::customContextMenuRequested, this, [this](const QPoint& gde) {
        // The row under the pointer, or the current one when the menu key asked.
        QModelIndex index = dw_pretraga->indexAt(gde);
        if (!index.isValid())
            index = dw_pretraga->currentIndex();
        if (!index.isValid())
            return;
        const int rbr = dw_pretraga->getItemNumber(index.row() + 1, KeyColumn);
        QMenu meni(dw_pretraga);
        meni.setObjectName(QStringLiteral("m_adresar"));
        QAction* spoji = meni.addAction(QStringLiteral("Spoji sa unosom u formi..."));
        spoji->setObjectName(QStringLiteral("m_spoji"));
        spoji->setEnabled(rbr > 0 && toInteger(rbrText()) > 0 && rbr != toInteger(rbrText()));
        if (meni.exec(dw_pretraga->viewport()->mapToGlobal(gde)) == spoji)
            this->spoji(rbr);
    });
}

bool tab_adresar::spoji(int rbrDuplikata) {
    // Unsaved edits of the entry kept are saved or given up first, as before any other load.
    promenjeno();
    const int rbrZadrzanog = toInteger(rbrText());
    const Result<QList<AdresarUnos>> duplikat = adresar_sql::unos(m_sqlca, rbrDuplikata);
    const Result<QList<AdresarUnos>> zadrzan = adresar_sql::unos(m_sqlca, rbrZadrzanog);
    if (duplikat.failed() || zadrzan.failed()) {
        reportReadFailure(duplikat.failed() ? duplikat : zadrzan);
        return false;
    }
    if (rbrZadrzanog <= 0 || duplikat.value.isEmpty() || zadrzan.value.isEmpty()) {
        w_obavestenje::obavesti(
            QStringLiteral("Prikažite u formi unos koji ostaje (klikom na njega u spisku), pa "
                           "desnim klikom na drugi unos izaberite „Spoji sa unosom u formi“."));
        return false;
    }
    const AdresarUnos& prvi = duplikat.value.first();
    const AdresarUnos& drugi = zadrzan.value.first();
    if (const QString zasto = spajanje::zastoNe(prvi, drugi); !zasto.isEmpty()) {
        w_obavestenje::obavesti(zasto);
        return false;
    }
    if (!w_da_ne::pitaj(spajanje::pitanje(prvi, drugi)))
        return false;
    if (!pokaziIshod(spajanje::spoji(m_sqlca, rbrDuplikata, rbrZadrzanog)))
        return false;
    ukloniIzListe(rbrDuplikata);
    popunipodatke(QString::number(rbrZadrzanog));
    return true;
}
