#include "ui/addressbook/tab_adresar.h"

#include "domain/addressbook/adresar_sql.h"
#include "runtime/core/convert.h"
#include "runtime/widgets/controls.h"
#include "runtime/widgets/deferred_build.h"
#include "runtime/widgets/list_data_window.h"
#include "runtime/widgets/message_box.h"
#include "runtime/widgets/multi_line_edit.h"
#include "runtime/widgets/picture_list.h"
#include "ui/addressbook/obj_slova.h"
#include "ui/addressbook/tab_adresar_names.h"
#include "ui/common/w_da_ne.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace {
const QString KeyColumn = QStringLiteral("adresar_rbr");
}

tab_adresar::tab_adresar(Transaction& sqlca, QWidget* parent) : tab_adresar(sqlca, BuildLater()) {
    setParent(parent);
    napravi();
}

tab_adresar::tab_adresar(Transaction& sqlca, BuildLater, QWidget* parent)
    : QWidget(parent), m_sqlca(sqlca) {
    setObjectName(QStringLiteral("tab_adresar"));
}

void tab_adresar::napravi() {
    if (uo_slova)
        return;
    napraviKontrole();
    poveziDogadjaje();
    napraviSpajanje();
    nameAddressBookControls(this);
    if (m_prviSpisak)
        prikaziProcitano();
}

void tab_adresar::ucitaj() {
    pocniUcitavanje();
    zavrsiUcitavanje();
}

void tab_adresar::pocniUcitavanje() {
    // One read of the statuses feeds the form's status field and the editor's filter; each
    // reports a failed read as its own list would, in the order the lists are filled. The list
    // starts with the surnames on "A".
    m_statusi = adresar_sql::statusi(m_sqlca);
    // The first status is the one a new entry is saved with.
    m_rbrStatus = 0;
    for (const adresar_sql::Status& status : std::as_const(m_statusi.value))
        if (m_rbrStatus == 0)
            m_rbrStatus = qint16(status.rbr);
    reportReadFailure(m_statusi);
    m_citanje = std::make_unique<adresar_sql::SpisakUPozadini>(m_sqlca, QStringLiteral("A%"),
                                                               QStringLiteral("%"));
}

void tab_adresar::zavrsiUcitavanje() {
    if (!m_citanje)
        return;
    m_prviSpisak = m_citanje->rezultat();
    m_citanje.reset();
    if (m_prviSpisak->failed())
        MessageBox(QStringLiteral("DataBase Error!"), m_prviSpisak->sqlerrtext);
    reportReadFailure(m_statusi);
    if (uo_slova)
        prikaziProcitano();
}

void tab_adresar::prikaziProcitano() {
    napraviStatuse(m_statusi);
    dw_pretraga->show(std::move(*m_prviSpisak));
    m_prviSpisak.reset();
    uo_slova->napraviStatusFilter(m_statusi);
    m_statusi = {};
}

void tab_adresar::poveziDogadjaje() {
    // Edits of the middle initial and the sex buttons do not count as changes.
    for (const TextField& field : std::as_const(m_textFields))
        if (field.edit != sle_sslovo)
            connect(field.edit, &SingleLineEdit::modified, this, &tab_adresar::oznaciPromenu);
    connect(mle_napomena, &MultiLineEdit::modified, this, &tab_adresar::oznaciPromenu);
    connect(ddplb_status, &DropDownPictureList::selectionchanged, this,
            &tab_adresar::izabranStatus);
    connect(dw_pretraga, &ListDataWindow::clickedRow, this, &tab_adresar::kliknutRed);
    connect(dw_pretraga, &ListDataWindow::doubleClickedRow, this, &tab_adresar::dvaputKliknutRed);
    connect(uo_slova, &obj_slova::filter, this, &tab_adresar::pokupi_ljude);
    connect(uo_slova, &obj_slova::noviUnos, this, &tab_adresar::obrisiFormu);
    connect(uo_slova, &obj_slova::sacuvajUnos, this, &tab_adresar::sacuvaj);
    connect(uo_slova, &obj_slova::obrisiUnos, this, &tab_adresar::obrisi);
}

void tab_adresar::oznaciPromenu() {
    m_menjano = true;
}

void tab_adresar::pokupi_ljude(const QString& slovo, const QString& statt) {
    const QString ppp = slovo + QLatin1Char('%');
    // The rows of the last read are dropped before the next is read: one copy at a time.
    dw_pretraga->clearRows();
    if (dw_pretraga->show(adresar_sql::spisak(m_sqlca, ppp, statt)) < 0)
        MessageBox(QStringLiteral("DataBase Error!"), dw_pretraga->errorText());
}

int tab_adresar::popunipodatke(const QString& mmbr) {
    const Result<QList<AdresarUnos>> procitano = adresar_sql::unos(m_sqlca, toInteger(mmbr));
    if (procitano.stage == Result<>::Stage::OpenFailed)
        return reportReadFailure(procitano);
    sle_rbr->setText(QString());
    for (const AdresarUnos& unos : procitano.value) {
        sle_rbr->setText(QString::number(unos.rbr));
        // Only a stored 0 is female; any other value, and NULL, shows as male.
        const bool zenski = !unos.pol.isNull() && unos.pol.toInt() == 0;
        rb_zenski->setChecked(zenski);
        rb_muski->setChecked(!zenski);
        // The entry's status becomes the one a save writes back: saving a loaded entry must not
        // move it into whatever category was picked last.
        ddplb_status->selectItem(unos.status.isNull() ? 0 : ddplb_status->findValue(unos.status));
        if (!unos.status.isNull())
            m_rbrStatus = qint16(unos.status.toInt());
        for (const TextField& field : std::as_const(m_textFields))
            field.edit->setText(unos.*field.column);
        mle_napomena->setText(unos.napomena);
        m_menjano = false;
    }
    return reportReadFailure(procitano) < 0 ? -1 : int(procitano.value.size());
}

int tab_adresar::promenjeno() {
    if (!m_menjano)
        return 0;
    if (w_da_ne::pitaj(QStringLiteral("Da li zelite da snimite promenjene podatke?")))
        sacuvaj();
    return 0;
}

void tab_adresar::napraviStatuse(const Result<QList<adresar_sql::Status>>& statusi) {
    int position = 0;
    for (const adresar_sql::Status& status : statusi.value)
        ddplb_status->insertItem(status.naziv, status.rbr, ++position, status.rbr);
    if (statusi.sqlcode >= 0)
        ddplb_status->selectItem(1);
}

void tab_adresar::izabranStatus(int index) {
    m_menjano = true;
    const Result<std::optional<int>> stat =
        adresar_sql::rbrStatusa(m_sqlca, ddplb_status->text(index));
    if (stat.sqlcode != Result<>::Success || !stat.value) {
        w_da_ne::pitaj(QStringLiteral("GR0120 Greska pri upitu nad STATUS tabelom!"));
        return;
    }
    m_rbrStatus = qint16(*stat.value);
}

void tab_adresar::kliknutRed(int row) {
    promenjeno();
    dw_pretraga->selectRow(0, false);
    if (row > 0) {
        dw_pretraga->selectRow(row, true);
        popunipodatke(QString::number(dw_pretraga->getItemNumber(row, KeyColumn)));
    }
}

void tab_adresar::dvaputKliknutRed(int row) {
    dw_pretraga->selectRow(0, false);
    if (row > 0)
        dw_pretraga->selectRow(row, true);
}

AdresarUnos tab_adresar::forma() const {
    AdresarUnos unos;
    for (const TextField& field : m_textFields)
        unos.*field.column = field.edit->text();
    unos.napomena = mle_napomena->text();
    unos.pol = rb_muski->isChecked() ? 1 : 0;
    return unos;
}

QString tab_adresar::rbrText() const {
    return sle_rbr->text();
}

void tab_adresar::postaviRbr(int rbr) {
    sle_rbr->setText(QString::number(rbr));
}

void tab_adresar::obrisiFormu() {
    // Neither sex is selected afterwards, which a group of radio buttons allows only while it is
    // not exclusive.
    QButtonGroup* pol = rb_muski->group();
    pol->setExclusive(false);
    rb_zenski->setChecked(false);
    rb_muski->setChecked(false);
    pol->setExclusive(true);
    sle_rbr->setText(QString());
    ddplb_status->selectItem(0);
    for (const TextField& field : std::as_const(m_textFields))
        field.edit->setText(QString());
    mle_napomena->setText(QString());
}

void tab_adresar::ukloniIzListe(int rbr) {
    const int row = dw_pretraga->find(KeyColumn, rbr);
    if (row > 0)
        dw_pretraga->deleteRow(row);
}
