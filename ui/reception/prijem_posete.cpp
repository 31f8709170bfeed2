#include "ui/reception/prijem_posete.h"

#include "domain/history/istorija_sql.h"
#include "domain/reception/poseta_datum.h"
#include "domain/reception/poseta_upis.h"
#include "domain/search/odabir.h"
#include "domain/search/pravila.h"
#include "runtime/core/dates.h"
#include "runtime/widgets/command_button.h"
#include "runtime/widgets/controls.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/message_box.h"
#include "runtime/widgets/units.h"
#include "ui/common/folding_completer.h"
#include "ui/common/pokazi_ishod.h"
#include "ui/common/w_da_ne.h"
#include "ui/common/w_obavestenje.h"
#include "ui/reception/multi_row_tabs.h"
#include "ui/reception/polja_forme.h"
#include "ui/reception/w_istorija_izmena.h"
#include "ui/reception/w_slicni_pacijenti.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>

namespace {

// The header's fields that name the patient: a new visit keeps them.
const char* const PoljaPacijenta[] = {"sle_ime",   "sle_4",    "sle_mb",        "sle_adresa",
                                      "sle_ulica", "sle_grad", "sle_broj_ulice"};

bool jePacijentovo(const QString& ime) {
    return std::find(std::begin(PoljaPacijenta), std::end(PoljaPacijenta), ime) !=
           std::end(PoljaPacijenta);
}

// The form's fields without (or only) the patient's header.
QList<poseta_sql::Polje> bezPacijenta(QList<poseta_sql::Polje> polja) {
    polja.removeIf([](const poseta_sql::Polje& polje) { return jePacijentovo(polje.polje); });
    return polja;
}

QList<poseta_sql::Polje> samoPacijent(QList<poseta_sql::Polje> polja) {
    polja.removeIf([](const poseta_sql::Polje& polje) { return !jePacijentovo(polje.polje); });
    return polja;
}

QString vrednostU(const QList<poseta_sql::Polje>& polja, const char* ime) {
    for (const poseta_sql::Polje& polje : polja)
        if (polje.polje == QLatin1String(ime))
            return polje.vrednost;
    return {};
}

// The address-book entry of a patient typed on the header, added with the first visit.
AdresarUnos noviPacijent(const QList<poseta_sql::Polje>& polja) {
    AdresarUnos unos;
    unos.ime = vrednostU(polja, "sle_ime");
    unos.prezime = vrednostU(polja, "sle_4");
    unos.mbr = vrednostU(polja, "sle_mb");
    const QString ulica = vrednostU(polja, "sle_ulica");
    const QString broj = vrednostU(polja, "sle_broj_ulice");
    unos.ulica = ulica.isEmpty() || broj.isEmpty() ? ulica + broj : ulica + QLatin1Char(' ') + broj;
    unos.grad = vrednostU(polja, "sle_grad");
    return unos;
}

QString stavkaSpiska(const poseta_sql::Stavka& stavka) {
    const QString datum = poseta_datum::prikazi(stavka.datum);
    return stavka.brojProtokola.isEmpty() ? datum
                                          : datum + QStringLiteral("  ") + stavka.brojProtokola;
}

} // namespace

prijem_posete::prijem_posete(QWidget* forma, QTabWidget* tabMain, Transaction& sqlca)
    : QObject(forma), m_page(forma), m_sqlca(sqlca) {
    setObjectName(QStringLiteral("prijem_posete"));
    napraviKomande(tabMain);

    if (auto* mb = m_page->findChild<SingleLineEdit*>(QStringLiteral("sle_mb")))
        connect(mb, &SingleLineEdit::modified, this, [this, mb] { mbPromenjen(mb->text()); });
    if (auto* ime = m_page->findChild<SingleLineEdit*>(QStringLiteral("sle_ime")))
        connect(ime, &SingleLineEdit::modified, this, &prijem_posete::imeKucano);
    if (auto* prezime = m_page->findChild<SingleLineEdit*>(QStringLiteral("sle_4"))) {
        m_completer = new FoldingCompleter(prezime);
        // Before the completer offers: the list is read first, and a patient typed over goes.
        disconnect(prezime, &QLineEdit::textEdited, m_completer, &FoldingCompleter::ponudi);
        connect(prezime, &SingleLineEdit::modified, this, [this, prezime] {
            prezimeKucano();
            m_completer->ponudi(prezime->text());
        });
        connect(m_completer, &FoldingCompleter::izabran, this, [this](int rbr) {
            // After the completer has put its own text into the field.
            QTimer::singleShot(0, this, [this, rbr] { prezimeIzabrano(rbr); });
        });
    }
    zapamtiOsnovu();
}

void prijem_posete::napraviKomande(QTabWidget* tabMain) {
    // Beside the main tab labels while PRIJEM is open: the form below keeps every control where it
    // was. The buttons are as wide as their captions.
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
    // The patient's visits and their history take the empty strip below the inner pages: beside
    // the tabs they would leave the page labels no room to show whole visits. Like the commands
    // they belong to the main tab control, not to the form, and show while PRIJEM is open.
    m_spisakRed = new QWidget(tabMain);
    m_spisakRed->setObjectName(QStringLiteral("obj_posete_spisak"));
    auto* donji = new QHBoxLayout(m_spisakRed);
    donji->setContentsMargins(0, 0, 0, 0);
    donji->setSpacing(4);
    m_spisak = new QComboBox(m_spisakRed);
    m_spisak->setObjectName(QStringLiteral("ddlb_posete"));
    m_spisak->setFont(screenFont(ScreenFont::Arial9));
    m_spisak->setToolTip(QStringLiteral("Posete pacijenta, najnovija prva"));
    // A screen reader would read the empty or chosen entry's text alone; the tip is only its hint.
    m_spisak->setAccessibleName(QStringLiteral("Posete pacijenta"));
    m_spisak->setEnabled(false);
    m_istorija = makeCommandButton(m_spisakRed, QStringLiteral("cb_istorija_izmena"),
                                   QStringLiteral("Istorija izmena"), ScreenFont::Arial9);
    m_istorija->setToolTip(QStringLiteral("Ranije vrednosti otvorene posete (Ctrl+H)"));
    m_istorija->setFocusPolicy(Qt::ClickFocus);
    m_istorija->setFixedWidth(m_istorija->fontMetrics().horizontalAdvance(m_istorija->text()) + 12);
    m_istorija->setEnabled(false);
    donji->addWidget(m_spisak);
    donji->addWidget(m_istorija);
    donji->addStretch();
    connect(nova, &QAbstractButton::clicked, this, [this] { novaPoseta(); });
    connect(sacuvaj, &QAbstractButton::clicked, this, [this] { sacuvajPosetu(); });
    connect(m_istorija, &QAbstractButton::clicked, this, [this] { pokaziIstoriju(); });
    connect(m_spisak, qOverload<int>(&QComboBox::activated), this, &prijem_posete::izabranaStavka);

    // The shortcuts work anywhere on the page and on the commands themselves.
    for (QWidget* gde : {static_cast<QWidget*>(m_page), m_komande}) {
        const std::pair<QKeySequence, void (prijem_posete::*)()> tasteri[] = {
            {QKeySequence(Qt::CTRL | Qt::Key_N), &prijem_posete::novaPosetaKomanda},
            {QKeySequence(Qt::CTRL | Qt::Key_S), &prijem_posete::sacuvajPosetuKomanda},
            {QKeySequence(Qt::CTRL | Qt::Key_H), &prijem_posete::pokaziIstoriju}};
        for (const auto& [taster, komanda] : tasteri) {
            auto* precica = new QShortcut(taster, gde);
            precica->setContext(Qt::WidgetWithChildrenShortcut);
            connect(precica, &QShortcut::activated, this, komanda);
        }
    }

    tabMain->setCornerWidget(m_komande, Qt::TopRightCorner);
    m_tabMain = tabMain;
    prilagodiSpisak();
    m_page->installEventFilter(this);
    auto pokazi = [this, tabMain] {
        const bool ovde = tabMain->currentWidget() == m_page;
        m_komande->setVisible(ovde);
        m_spisakRed->setVisible(ovde);
        if (ovde)
            postaviRed();
        // Entries added or merged elsewhere, or at another desk, are offered from now on.
        if (ovde)
            m_pacijentiProcitani = false;
    };
    connect(tabMain, &QTabWidget::currentChanged, this, pokazi);
    pokazi();
}

bool prijem_posete::eventFilter(QObject* objekat, QEvent* dogadjaj) {
    if (objekat == m_page && (dogadjaj->type() == QEvent::Resize ||
                              dogadjaj->type() == QEvent::Move || dogadjaj->type() == QEvent::Show))
        postaviRed();
    return QObject::eventFilter(objekat, dogadjaj);
}

void prijem_posete::postaviRed() {
    // In the empty strip under the inner pages' frame, in the page's own units, over the page.
    placeInUnits(m_spisakRed, 20, 2078, 3590, 72);
    m_spisakRed->move(m_spisakRed->pos() + m_page->mapTo(m_tabMain, QPoint(0, 0)));
    m_spisakRed->raise();
}

void prijem_posete::prilagodiSpisak() {
    // The list shows a whole visit: its date and protocol number, as wide as the longest visit it
    // holds (a date's width while it holds none, so the page tabs keep their room).
    int sirina = m_spisak->fontMetrics().horizontalAdvance(QStringLiteral("00.00.0000  0000/0000"));
    for (int i = 0; i < m_spisak->count(); ++i)
        sirina = qMax(sirina, m_spisak->fontMetrics().horizontalAdvance(m_spisak->itemText(i)));
    m_spisak->setFixedWidth(sirina + 30);
    // The drop-down as wide as its longest line.
    m_spisak->view()->setMinimumWidth(sirina + 30);
}

QWidget* prijem_posete::komanda(const QString& ime) const {
    if (QWidget* komanda = m_komande->findChild<QWidget*>(ime))
        return komanda;
    return m_spisakRed->findChild<QWidget*>(ime);
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
    if (m_istorija)
        m_istorija->setEnabled(m_rbr.has_value());
}

bool prijem_posete::imaIzmena() const {
    return polja_forme::pokupi(m_page) != m_osnova;
}

bool prijem_posete::imaIzmenaPosete() const {
    return bezPacijenta(polja_forme::pokupi(m_page)) != bezPacijenta(m_osnova);
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

void prijem_posete::novaPosetaKomanda() {
    novaPoseta();
}

void prijem_posete::sacuvajPosetuKomanda() {
    sacuvajPosetu();
}

void prijem_posete::isprazniPosetu(const QList<poseta_sql::Polje>& pacijent) {
    polja_forme::postavi(m_page, pacijent);
    m_rbr.reset();
    m_verzija = 0;
    m_pacijentPosete.reset();
    zapamtiOsnovu();
}

bool prijem_posete::novaPoseta() {
    // The patient's header stays on the new visit: only edits of the other fields would be lost.
    if (imaIzmenaPosete() && !pitajZaIzmene())
        return false;
    isprazniPosetu(samoPacijent(polja_forme::pokupi(m_page)));
    if (m_spisak)
        m_spisak->setCurrentIndex(-1);
    return true;
}

bool prijem_posete::promeniPacijenta(const std::optional<poseta_sql::Pacijent>& novi) {
    // The visit on the form was typed for the patient it was opened or started for: it is saved
    // for that patient, with that patient's header, or given up, and never goes to another one.
    if (imaIzmenaPosete() && w_da_ne::pitaj(poseta_upis::pitanjeZaCuvanje())) {
        QList<poseta_sql::Polje> polja = bezPacijenta(polja_forme::pokupi(m_page));
        polja << samoPacijent(m_osnova);
        if (!sacuvaj(polja)) {
            // Not saved: the form stays the first patient's visit, as it was.
            QList<poseta_sql::Polje> sve = bezPacijenta(polja_forme::pokupi(m_page));
            sve << samoPacijent(m_osnova);
            polja_forme::postavi(m_page, sve);
            return false;
        }
    }
    QList<poseta_sql::Polje> zaglavlje;
    if (novi) {
        m_rbrAdresar = novi->rbr;
    } else {
        // Someone the address book does not name yet: what the desk typed of the person stays,
        // nothing of the earlier patient's address does.
        m_rbrAdresar.reset();
        for (const char* ime : {"sle_ime", "sle_4", "sle_mb"})
            zaglavlje << poseta_sql::Polje{QString::fromLatin1(ime), tekst(ime)};
    }
    isprazniPosetu(zaglavlje);
    // The next surname typed is looked up among the entries as they are now.
    m_pacijentiProcitani = false;
    if (novi)
        postaviPacijenta(*novi);
    else
        osveziSpisak();
    zapamtiOsnovu();
    return true;
}

bool prijem_posete::sacuvajPosetu() {
    return sacuvaj(polja_forme::pokupi(m_page));
}

std::optional<int> prijem_posete::nadjiPacijenta(const QList<poseta_sql::Polje>& polja,
                                                 bool& noviUnos) {
    noviUnos = false;
    const QString mbr = vrednostU(polja, "sle_mb");
    if (mbr.size() == 13) {
        const Result<QList<poseta_sql::Pacijent>> nadjen = poseta_sql::pacijentPoMbr(m_sqlca, mbr);
        if (nadjen.failed()) {
            reportReadFailure(nadjen);
            return std::nullopt;
        }
        if (!nadjen.value.isEmpty())
            return nadjen.value.first().rbr;
    }
    // Looked up afresh: another desk may have added the patient a moment ago.
    const Result<QList<poseta_sql::SlicanPacijent>> slicni = poseta_sql::slicniPacijenti(
        m_sqlca, pretraga::zaPoredjenje(vrednostU(polja, "sle_4").trimmed()),
        pretraga::zaPoredjenje(vrednostU(polja, "sle_ime").trimmed()),
        pretraga::datumRodjenja(mbr));
    if (slicni.failed()) {
        reportReadFailure(slicni);
        return std::nullopt;
    }
    if (slicni.value.isEmpty()) {
        noviUnos = w_da_ne::pitaj(poseta_upis::pitanjeZaPacijenta());
        return std::nullopt;
    }
    w_slicni_pacijenti::Izbor izbor;
    Open<w_slicni_pacijenti>(slicni.value, izbor);
    noviUnos = izbor.kraj == w_slicni_pacijenti::Izbor::Kraj::NoviUnos;
    if (izbor.kraj == w_slicni_pacijenti::Izbor::Kraj::Izabran)
        return izbor.rbr;
    return std::nullopt;
}

bool prijem_posete::sacuvaj(QList<poseta_sql::Polje> polja) {
    const QString datumTekst = vrednostU(polja, "sle_datum");
    const std::optional<QDate> datum = poseta_datum::procitaj(datumTekst, Today());
    if (!datum) {
        w_obavestenje::obavesti(poseta_datum::losDatum());
        return false;
    }
    if (!poseta_datum::uGranicama(*datum, Today())) {
        w_obavestenje::obavesti(poseta_datum::vanGranica(Today()));
        return false;
    }
    // An empty date means today, and the form shows which day was written.
    const auto naDatum = [&] {
        if (datumTekst.isEmpty()) {
            postaviTekst("sle_datum", poseta_datum::prikazi(*datum));
            polja = polja_forme::zameni(polja, QStringLiteral("sle_datum"),
                                        poseta_datum::prikazi(*datum));
        }
    };

    bool noviUnos = false;
    if (!m_rbrAdresar) {
        const std::optional<int> nadjen = nadjiPacijenta(polja, noviUnos);
        if (!nadjen && !noviUnos)
            return false;
        if (nadjen) {
            // The entry picked names the patient; the header shows it as the address book has it.
            const Result<QList<poseta_sql::Pacijent>> pacijent =
                poseta_sql::pacijent(m_sqlca, *nadjen);
            if (pacijent.failed() || pacijent.value.isEmpty()) {
                reportReadFailure(pacijent);
                return false;
            }
            postaviPacijenta(pacijent.value.first());
            polja = bezPacijenta(polja);
            polja << samoPacijent(polja_forme::pokupi(m_page));
        }
    }

    poseta_upis::Poseta poseta;
    poseta.rbr = m_rbr;
    poseta.verzija = m_verzija;
    poseta.rbrAdresar = m_rbrAdresar.value_or(0);
    poseta.datum = *datum;
    poseta.brojProtokola = vrednostU(polja, "sle_broj_protokola");
    poseta.lekar = vrednostU(polja, "sle_lekar");
    naDatum();
    poseta.polja = polja;

    const Result<Ishod> ishod = poseta_upis::sacuvaj(
        m_sqlca, poseta, noviUnos ? std::optional(noviPacijent(polja)) : std::nullopt);
    if (ishod::kraj(ishod) != Ishod::Kraj::Upisano) // the date as typed, before anything shows
        postaviTekst("sle_datum", datumTekst);
    if (!pokaziIshod(ishod))
        return false;
    if (noviUnos) {
        m_rbrAdresar = ishod.value.rbrAdresar;
        m_pacijentiProcitani = false; // the new entry belongs in the surname list too
    }
    m_rbr = ishod.value.rbr;
    m_verzija = ishod.value.verzija;
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
    const Result<QList<poseta_sql::Zaglavlje>> zaglavlje =
        poseta_sql::zaglavlje(m_sqlca, rbrPoseta);
    if (zaglavlje.failed()) {
        reportReadFailure(zaglavlje);
        return false;
    }
    if (zaglavlje.value.isEmpty()) {
        w_obavestenje::obavesti(QStringLiteral("Ova poseta više ne postoji."));
        return false;
    }
    const Result<QList<poseta_sql::Polje>> polja = poseta_sql::polja(m_sqlca, rbrPoseta);
    if (polja.failed()) {
        reportReadFailure(polja);
        return false;
    }
    polja_forme::postavi(m_page, polja.value);
    m_rbr = rbrPoseta;
    m_verzija = zaglavlje.value.first().verzija;
    m_rbrAdresar = zaglavlje.value.first().rbrAdresar;
    m_pacijentPosete = m_rbrAdresar;
    zapamtiOsnovu();
    osveziSpisak();
    return true;
}

void prijem_posete::pokaziIstoriju() {
    if (!m_rbr)
        return;
    const Result<QList<istorija_sql::Promena>> promene =
        istorija_sql::istorijaPosete(m_sqlca, *m_rbr);
    if (promene.failed()) {
        reportReadFailure(promene);
        return;
    }
    Open<w_istorija_izmena>(QStringLiteral("Poseta od %1").arg(tekst("sle_datum")), promene.value);
}

void prijem_posete::osveziSpisak() {
    m_spisak->clear();
    m_spisak->setEnabled(m_rbrAdresar.has_value());
    if (m_rbrAdresar) {
        const Result<QList<poseta_sql::Stavka>> stavke =
            poseta_sql::posetePacijenta(m_sqlca, *m_rbrAdresar);
        if (stavke.failed())
            reportReadFailure(stavke);
        for (const poseta_sql::Stavka& stavka : stavke.value) {
            m_spisak->addItem(stavkaSpiska(stavka), stavka.rbr);
            if (m_rbr == stavka.rbr)
                m_spisak->setCurrentIndex(m_spisak->count() - 1);
        }
    }
    if (!m_rbr)
        m_spisak->setCurrentIndex(-1);
    prilagodiSpisak();
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

bool prijem_posete::pacijentPromenjen(const char* ime) {
    // Only a patient named by the address book can be left; the header as it was when the patient
    // was named tells whether this field still names that patient.
    return m_rbrAdresar && tekst(ime) != vrednostU(m_osnova, ime);
}

void prijem_posete::vratiTekst(const char* ime) {
    postaviTekst(ime, vrednostU(m_osnova, ime));
}

void prijem_posete::mbPromenjen(const QString& mb) {
    std::optional<poseta_sql::Pacijent> nadjen;
    if (mb.size() == 13) {
        const Result<QList<poseta_sql::Pacijent>> procitan = poseta_sql::pacijentPoMbr(m_sqlca, mb);
        if (procitan.failed()) {
            reportReadFailure(procitan);
            return;
        }
        if (!procitan.value.isEmpty())
            nadjen = procitan.value.first();
    }
    if (m_rbrAdresar) {
        // A number still being typed names nobody yet; a whole one names this patient or another.
        if (mb.size() != 13 || (nadjen && nadjen->rbr == *m_rbrAdresar))
            return;
        if (pacijentPromenjen("sle_mb") && !promeniPacijenta(nadjen))
            vratiTekst("sle_mb");
        return;
    }
    // No patient named yet: whatever was typed belongs to the one this number names.
    if (nadjen)
        postaviPacijenta(*nadjen);
}

void prijem_posete::imeKucano() {
    if (pacijentPromenjen("sle_ime") && !promeniPacijenta(std::nullopt))
        vratiTekst("sle_ime");
}

void prijem_posete::prezimeKucano() {
    if (pacijentPromenjen("sle_4") && !promeniPacijenta(std::nullopt)) {
        vratiTekst("sle_4");
        return;
    }
    if (m_pacijentiProcitani)
        return;
    // The surnames are read once the desk starts typing one, and again after the page was left.
    const Result<QList<poseta_sql::Pacijent>> svi = poseta_sql::pacijenti(m_sqlca);
    if (svi.failed()) {
        reportReadFailure(svi);
        return;
    }
    m_pacijentiProcitani = true;
    QList<FoldingCompleter::Stavka> stavke;
    for (const poseta_sql::Pacijent& pacijent : svi.value) {
        QString prikaz = pacijent.prezime + QLatin1Char(' ') + pacijent.ime;
        if (!pacijent.mbr.isEmpty())
            prikaz += QStringLiteral(" (") + pacijent.mbr + QLatin1Char(')');
        stavke << FoldingCompleter::Stavka{prikaz, pacijent.rbr};
    }
    m_completer->postaviStavke(stavke);
}

void prijem_posete::prezimeIzabrano(int rbrAdresar) {
    const Result<QList<poseta_sql::Pacijent>> nadjen = poseta_sql::pacijent(m_sqlca, rbrAdresar);
    if (nadjen.failed()) {
        reportReadFailure(nadjen);
        return;
    }
    if (nadjen.value.isEmpty())
        return;
    if (m_rbrAdresar && *m_rbrAdresar != rbrAdresar)
        promeniPacijenta(nadjen.value.first());
    else
        postaviPacijenta(nadjen.value.first());
}
