#include "ui/reception/prijem_posete.h"

#include "domain/addressbook/adresar_sql.h"
#include "domain/addressbook/adresar_upis.h"
#include "domain/reception/poseta_datum.h"
#include "domain/reception/poseta_upis.h"
#include "runtime/core/dates.h"
#include "runtime/widgets/command_button.h"
#include "runtime/widgets/controls.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/message_box.h"
#include "runtime/widgets/units.h"
#include "ui/common/w_da_ne.h"
#include "ui/common/w_obavestenje.h"
#include "ui/reception/multi_row_tabs.h"
#include "ui/reception/polja_forme.h"
#include "ui/reception/tab_prijem.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>

namespace {

// The header's fields that name the patient: a new visit keeps them.
const char* const PoljaPacijenta[] = {"sle_ime",   "sle_4",    "sle_mb",        "sle_adresa",
                                      "sle_ulica", "sle_grad", "sle_broj_ulice"};

constexpr int RbrUloga = Qt::UserRole + 1;
// The visit list's width: at least its arrow, at most a whole line of it.
constexpr int Najuzi = 28;

QString stavkaSpiska(const poseta_sql::Stavka& stavka) {
    const QString datum = poseta_datum::prikazi(stavka.datum);
    return stavka.brojProtokola.isEmpty() ? datum
                                          : datum + QStringLiteral("  ") + stavka.brojProtokola;
}

} // namespace

prijem_posete::prijem_posete(tab_prijem* page, QTabWidget* tabMain, Transaction& sqlca)
    : QObject(page), m_page(page), m_sqlca(sqlca) {
    setObjectName(QStringLiteral("prijem_posete"));
    napraviKomande(tabMain);

    if (auto* mb = m_page->findChild<SingleLineEdit*>(QStringLiteral("sle_mb")))
        connect(mb, &SingleLineEdit::modified, this, [this, mb] { mbPromenjen(mb->text()); });
    if (auto* prezime = m_page->findChild<SingleLineEdit*>(QStringLiteral("sle_4"))) {
        m_completer = new QCompleter(new QStandardItemModel(this), this);
        m_completer->setCaseSensitivity(Qt::CaseInsensitive);
        m_completer->setCompletionMode(QCompleter::PopupCompletion);
        prezime->setCompleter(m_completer);
        connect(prezime, &SingleLineEdit::modified, this, &prijem_posete::prezimeKucano);
        connect(m_completer, qOverload<const QModelIndex&>(&QCompleter::activated), this,
                [this](const QModelIndex& index) {
                    // After the completer has put its own text into the field.
                    const int rbr = index.data(RbrUloga).toInt();
                    QTimer::singleShot(0, this, [this, rbr] { prezimeIzabrano(rbr); });
                });
    }
    zapamtiOsnovu();
}

void prijem_posete::napraviKomande(QTabWidget* tabMain) {
    // Beside the main tab labels while PRIJEM is open: the form below keeps every control where it
    // was. The row is kept narrow, so that all five labels still show in full beside it: the
    // buttons as wide as their captions, the list as wide as a date (its drop-down shows each
    // visit in full).
    m_komande = new QWidget;
    m_komande->setObjectName(QStringLiteral("obj_posete"));
    auto* red = new QHBoxLayout(m_komande);
    red->setContentsMargins(0, 0, 2, 0);
    red->setSpacing(2);
    const int visina = tabMain->tabBar()->sizeHint().height() - 2;
    CommandButton* nova = makeCommandButton(m_komande, QStringLiteral("cb_nova_poseta"),
                                            QStringLiteral("Nova poseta"), ScreenFont::Arial9);
    CommandButton* sacuvaj =
        makeCommandButton(m_komande, QStringLiteral("cb_sacuvaj_posetu"),
                          QStringLiteral("Sačuvaj posetu"), ScreenFont::Arial9);
    nova->setToolTip(QStringLiteral("Nova poseta (Ctrl+N)"));
    sacuvaj->setToolTip(QStringLiteral("Sačuvaj posetu (Ctrl+S)"));
    for (CommandButton* button : {nova, sacuvaj}) {
        // Reached by mouse and by their keys; Tab keeps the form's own order.
        button->setFocusPolicy(Qt::ClickFocus);
        button->setFixedSize(button->fontMetrics().horizontalAdvance(button->text()) + 12, visina);
        red->addWidget(button);
    }
    m_spisak = new QComboBox(m_komande);
    m_spisak->setObjectName(QStringLiteral("ddlb_posete"));
    m_spisak->setFont(screenFont(ScreenFont::Arial9));
    m_spisak->setToolTip(QStringLiteral("Posete pacijenta, najnovija prva"));
    // A screen reader would read the empty or chosen entry's text alone; the tip is only its hint.
    m_spisak->setAccessibleName(QStringLiteral("Posete pacijenta"));
    m_spisak->setFixedSize(Najuzi, visina);
    m_spisak->setEnabled(false);
    red->addWidget(m_spisak);
    connect(nova, &QAbstractButton::clicked, this, [this] { novaPoseta(); });
    connect(sacuvaj, &QAbstractButton::clicked, this, [this] { sacuvajPosetu(); });
    connect(m_spisak, qOverload<int>(&QComboBox::activated), this, &prijem_posete::izabranaStavka);

    // The shortcuts work anywhere on the page and on the commands themselves.
    for (QWidget* gde : {static_cast<QWidget*>(m_page), m_komande}) {
        auto* ctrlN = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_N), gde);
        auto* ctrlS = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), gde);
        ctrlN->setContext(Qt::WidgetWithChildrenShortcut);
        ctrlS->setContext(Qt::WidgetWithChildrenShortcut);
        connect(ctrlN, &QShortcut::activated, this, [this] { novaPoseta(); });
        connect(ctrlS, &QShortcut::activated, this, [this] { sacuvajPosetu(); });
    }

    tabMain->setCornerWidget(m_komande, Qt::TopRightCorner);
    m_tabMain = tabMain;
    tabMain->installEventFilter(this);
    auto pokazi = [this, tabMain] { m_komande->setVisible(tabMain->currentWidget() == m_page); };
    connect(tabMain, &QTabWidget::currentChanged, this, pokazi);
    pokazi();
}

bool prijem_posete::eventFilter(QObject* objekat, QEvent* dogadjaj) {
    if (objekat == m_tabMain && dogadjaj->type() == QEvent::Resize)
        prilagodiSpisak();
    return QObject::eventFilter(objekat, dogadjaj);
}

void prijem_posete::prilagodiSpisak() {
    // The list takes what the five labels and the two buttons leave of the bar's width, so that
    // every label shows in full; a wider window shows more of the chosen visit.
    const int pun =
        m_spisak->fontMetrics().horizontalAdvance(QStringLiteral("00.00.0000  0000/0000")) + 30;
    int ostalo = m_tabMain->width() - m_tabMain->tabBar()->sizeHint().width() - 8;
    for (QWidget* dugme : m_komande->findChildren<QPushButton*>())
        ostalo -= dugme->width() + 2;
    m_spisak->setFixedWidth(qBound(Najuzi, ostalo, pun));
}

QWidget* prijem_posete::komanda(const QString& ime) const {
    return m_komande->findChild<QWidget*>(ime);
}

QString prijem_posete::tekst(const char* ime) const {
    auto* edit = m_page->findChild<QLineEdit*>(QString::fromLatin1(ime));
    return edit ? edit->text() : QString();
}

void prijem_posete::postaviTekst(const char* ime, const QString& tekst) {
    if (auto* edit = m_page->findChild<QLineEdit*>(QString::fromLatin1(ime)))
        edit->setText(tekst);
}

void prijem_posete::zapamtiOsnovu() {
    m_osnova = polja_forme::pokupi(m_page);
}

bool prijem_posete::imaIzmena() const {
    return polja_forme::pokupi(m_page) != m_osnova;
}

bool prijem_posete::pitajZaIzmene() {
    if (!imaIzmena())
        return true;
    if (!w_da_ne::pitaj(poseta_upis::pitanjeZaCuvanje())) {
        // The edits are given up: asking again on the way out (closing asks twice) would not do.
        zapamtiOsnovu();
        return true;
    }
    return sacuvajPosetu();
}

bool prijem_posete::novaPoseta() {
    // The patient's header stays on the new visit: only edits of the other fields would be lost.
    auto bezPacijenta = [](QList<poseta_sql::Polje> polja) {
        polja.removeIf([](const poseta_sql::Polje& polje) {
            return std::find(std::begin(PoljaPacijenta), std::end(PoljaPacijenta), polje.polje) !=
                   std::end(PoljaPacijenta);
        });
        return polja;
    };
    if (bezPacijenta(polja_forme::pokupi(m_page)) != bezPacijenta(m_osnova) && !pitajZaIzmene())
        return false;
    QList<poseta_sql::Polje> pacijent;
    for (const char* ime : PoljaPacijenta)
        pacijent << poseta_sql::Polje{QString::fromLatin1(ime), tekst(ime)};
    polja_forme::postavi(m_page, pacijent);
    m_rbr.reset();
    m_verzija = 0;
    if (m_spisak)
        m_spisak->setCurrentIndex(-1);
    zapamtiOsnovu();
    return true;
}

bool prijem_posete::upisiPacijenta() {
    if (!w_da_ne::pitaj(poseta_upis::pitanjeZaPacijenta()))
        return false;
    AdresarUnos unos;
    unos.ime = tekst("sle_ime");
    unos.prezime = tekst("sle_4");
    unos.mbr = tekst("sle_mb");
    const QString ulica = tekst("sle_ulica");
    const QString broj = tekst("sle_broj_ulice");
    unos.ulica = ulica.isEmpty() || broj.isEmpty() ? ulica + broj : ulica + QLatin1Char(' ') + broj;
    unos.grad = tekst("sle_grad");
    const One<int> status = adresar_sql::rbrStatusa(m_sqlca, QStringLiteral("Pacijent"));
    if (status.failed()) {
        reportReadFailure(status.outcome);
        return false;
    }
    const adresar_upis::IshodUpisa ishod =
        adresar_upis::sacuvaj(m_sqlca, unos, 0, status.value.value_or(0));
    if (ishod.najveciNeprocitan)
        MessageBox(QString(), ishod.greskaNajveceg);
    switch (ishod.kraj) {
    case adresar_upis::IshodUpisa::Kraj::Obavestenje:
        w_obavestenje::obavesti(ishod.obavestenje);
        return false;
    case adresar_upis::IshodUpisa::Kraj::Neupisano:
        MessageBox(QString(), ishod.tekstBaze);
        return false;
    case adresar_upis::IshodUpisa::Kraj::Upisano:
        break;
    }
    m_rbrAdresar = ishod.rbr;
    m_completerUcitan = false; // the new entry belongs in the surname list too
    return true;
}

bool prijem_posete::sacuvajPosetu() {
    const QString datumTekst = tekst("sle_datum");
    const std::optional<QDate> datum = poseta_datum::procitaj(datumTekst, Today());
    if (!datum) {
        w_obavestenje::obavesti(poseta_datum::losDatum());
        return false;
    }
    if (!m_rbrAdresar && tekst("sle_mb").size() == 13) {
        const Rows<poseta_sql::Pacijent> nadjen =
            poseta_sql::pacijentPoMbr(m_sqlca, tekst("sle_mb"));
        if (nadjen.failed()) {
            reportReadFailure(nadjen.outcome);
            return false;
        }
        if (!nadjen.rows.isEmpty())
            m_rbrAdresar = nadjen.rows.first().rbr;
    }
    if (!m_rbrAdresar && !upisiPacijenta())
        return false;

    // An empty date means today, and the form shows which day was written.
    if (datumTekst.isEmpty())
        postaviTekst("sle_datum", poseta_datum::prikazi(*datum));
    // A stored visit is never moved to another patient: for another one, the form is a new visit.
    if (m_rbr && m_pacijentPosete != m_rbrAdresar) {
        m_rbr.reset();
        m_verzija = 0;
    }
    poseta_upis::Poseta poseta;
    poseta.rbr = m_rbr;
    poseta.verzija = m_verzija;
    poseta.rbrAdresar = *m_rbrAdresar;
    poseta.datum = *datum;
    poseta.brojProtokola = tekst("sle_broj_protokola");
    poseta.lekar = tekst("sle_lekar");
    poseta.polja = polja_forme::pokupi(m_page);
    const poseta_upis::Ishod ishod = poseta_upis::sacuvaj(m_sqlca, poseta);
    switch (ishod.kraj) {
    case poseta_upis::Ishod::Kraj::Obavestenje:
        postaviTekst("sle_datum", datumTekst);
        w_obavestenje::obavesti(ishod.obavestenje);
        return false;
    case poseta_upis::Ishod::Kraj::Neupisano:
        postaviTekst("sle_datum", datumTekst);
        MessageBox(QString(), ishod.tekstBaze);
        return false;
    case poseta_upis::Ishod::Kraj::Upisano:
        break;
    }
    m_rbr = ishod.rbr;
    m_verzija = ishod.verzija;
    m_pacijentPosete = m_rbrAdresar;
    zapamtiOsnovu();
    osveziSpisak();
    return true;
}

bool prijem_posete::otvoriPosetu(int rbrPoseta) {
    if (m_rbr == rbrPoseta && !imaIzmena())
        return true;
    if (!pitajZaIzmene())
        return false;
    const Rows<poseta_sql::Zaglavlje> zaglavlje = poseta_sql::zaglavlje(m_sqlca, rbrPoseta);
    if (zaglavlje.failed()) {
        reportReadFailure(zaglavlje.outcome);
        return false;
    }
    if (zaglavlje.rows.isEmpty()) {
        w_obavestenje::obavesti(QStringLiteral("Ova poseta više ne postoji."));
        return false;
    }
    const Rows<poseta_sql::Polje> polja = poseta_sql::polja(m_sqlca, rbrPoseta);
    if (polja.failed()) {
        reportReadFailure(polja.outcome);
        return false;
    }
    polja_forme::postavi(m_page, polja.rows);
    m_rbr = rbrPoseta;
    m_verzija = zaglavlje.rows.first().verzija;
    m_rbrAdresar = zaglavlje.rows.first().rbrAdresar;
    m_pacijentPosete = m_rbrAdresar;
    zapamtiOsnovu();
    osveziSpisak();
    return true;
}

void prijem_posete::osveziSpisak() {
    m_spisak->clear();
    m_spisak->setEnabled(m_rbrAdresar.has_value());
    if (!m_rbrAdresar)
        return;
    const Rows<poseta_sql::Stavka> stavke = poseta_sql::posetePacijenta(m_sqlca, *m_rbrAdresar);
    if (stavke.failed())
        reportReadFailure(stavke.outcome);
    for (const poseta_sql::Stavka& stavka : stavke.rows) {
        m_spisak->addItem(stavkaSpiska(stavka), stavka.rbr);
        if (m_rbr == stavka.rbr)
            m_spisak->setCurrentIndex(m_spisak->count() - 1);
    }
    if (!m_rbr)
        m_spisak->setCurrentIndex(-1);
    // The drop-down shows each visit in full, however narrow the list itself is.
    int sirina = 0;
    for (int i = 0; i < m_spisak->count(); ++i)
        sirina = qMax(sirina, m_spisak->fontMetrics().horizontalAdvance(m_spisak->itemText(i)));
    m_spisak->view()->setMinimumWidth(sirina + 30);
}

void prijem_posete::izabranaStavka(int index) {
    const int rbr = m_spisak->itemData(index).toInt();
    if (rbr > 0 && otvoriPosetu(rbr))
        return;
    // The desk stayed on the visit it had: the list shows that one again.
    m_spisak->setCurrentIndex(m_rbr ? m_spisak->findData(*m_rbr) : -1);
}

void prijem_posete::postaviPacijenta(const poseta_sql::Pacijent& pacijent) {
    m_rbrAdresar = pacijent.rbr;
    postaviTekst("sle_ime", pacijent.ime);
    postaviTekst("sle_4", pacijent.prezime);
    postaviTekst("sle_mb", pacijent.mbr);
    postaviTekst("sle_ulica", pacijent.ulica);
    postaviTekst("sle_grad", pacijent.grad);
    postaviTekst("sle_broj_ulice", QString()); // the address book keeps the number in the street
    osveziSpisak();
}

void prijem_posete::mbPromenjen(const QString& mb) {
    // The typed number decides from now on; a full one names the patient at once.
    m_rbrAdresar.reset();
    if (mb.size() != 13) {
        osveziSpisak();
        return;
    }
    const Rows<poseta_sql::Pacijent> nadjen = poseta_sql::pacijentPoMbr(m_sqlca, mb);
    if (nadjen.failed()) {
        reportReadFailure(nadjen.outcome);
        return;
    }
    if (nadjen.rows.isEmpty())
        osveziSpisak();
    else
        postaviPacijenta(nadjen.rows.first());
}

void prijem_posete::prezimeKucano() {
    m_rbrAdresar.reset();
    osveziSpisak();
    if (m_completerUcitan)
        return;
    // The surnames are read once the desk starts typing one, never before.
    m_completerUcitan = true;
    const Rows<poseta_sql::Pacijent> svi = poseta_sql::pacijenti(m_sqlca);
    if (svi.failed()) {
        reportReadFailure(svi.outcome);
        m_completerUcitan = false;
        return;
    }
    auto* model = static_cast<QStandardItemModel*>(m_completer->model());
    model->clear();
    for (const poseta_sql::Pacijent& pacijent : svi.rows) {
        QString prikaz = pacijent.prezime + QLatin1Char(' ') + pacijent.ime;
        if (!pacijent.mbr.isEmpty())
            prikaz += QStringLiteral(" (") + pacijent.mbr + QLatin1Char(')');
        auto* stavka = new QStandardItem(prikaz);
        stavka->setData(pacijent.rbr, RbrUloga);
        model->appendRow(stavka);
    }
}

void prijem_posete::prezimeIzabrano(int rbrAdresar) {
    const Rows<poseta_sql::Pacijent> nadjen = poseta_sql::pacijent(m_sqlca, rbrAdresar);
    if (nadjen.failed()) {
        reportReadFailure(nadjen.outcome);
        return;
    }
    if (!nadjen.rows.isEmpty())
        postaviPacijenta(nadjen.rows.first());
}
