#include "ui/lab/nalog_komande.h"

#include "domain/lab/nalog_upis.h"
#include "domain/reception/poseta_datum.h"
#include "runtime/core/dates.h"
#include "runtime/widgets/command_button.h"
#include "runtime/widgets/controls.h"
#include "runtime/widgets/factories.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/message_box.h"
#include "runtime/widgets/popup_width.h"
#include "runtime/widgets/units.h"
#include "ui/common/pokazi_ishod.h"
#include "ui/common/w_da_ne.h"
#include "ui/common/w_obavestenje.h"
#include "ui/lab/pacijent_birac.h"
#include "ui/lab/tab_lab_analize_names.h"
#include "ui/lab/w_hematologija_unos.h"
#include "ui/lab/w_rezultati_unos.h"
#include "ui/lab/w_stampa.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>

namespace {

// The order list shows an order's date and number in full, a cancelled one's mark too.
const QString NajduziNalog = QStringLiteral("00.00.0000  br. 000000  otkazan");

QString stavkaSpiska(const nalog_sql::StavkaSpiska& stavka) {
    QString tekst = poseta_datum::prikazi(stavka.datum) + QStringLiteral("  br. ") +
                    QString::number(stavka.rbr);
    if (stavka.otkazan)
        tekst += QStringLiteral("  otkazan");
    return tekst;
}

bool isteStavke(const QList<nalog_sql::Stavka>& a, const QList<nalog_sql::Stavka>& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (!a.at(i).istiKljuc(b.at(i)) || a.at(i).naziv != b.at(i).naziv ||
            a.at(i).cena != b.at(i).cena)
            return false;
    return true;
}

QString pitanjeZaNov() {
    return QStringLiteral("Nalog još nije sačuvan. Da li želite da ga sačuvate?");
}

} // namespace

bool nalog_komande::Stanje::operator==(const Stanje& drugo) const {
    return iznosi == drugo.iznosi && popust == drugo.popust && cenaHem == drugo.cenaHem &&
           isteStavke(stavke, drugo.stavke);
}

nalog_komande::nalog_komande(tab_lab_analize* page, QTabWidget* tabMain, Transaction& sqlca,
                             std::function<PrijemPacijent()> prijem)
    : QObject(page), m_page(page), m_sqlca(sqlca), m_prijem(std::move(prijem)) {
    setObjectName(QStringLiteral("nalog_komande"));
    napraviKomande(tabMain);
    napraviTraku();
    nameOrderCommands(m_komande, m_traka);
    connect(m_page, &tab_lab_analize::hematologijaPrihvacena, this,
            &nalog_komande::prihvacenaHematologija);
    connect(m_page, &tab_lab_analize::hematologijaOtvorena, this,
            &nalog_komande::otvorenaHematologija);
    zapamtiOsnovu();
    osveziTraku();
    straniPrikazana(tabMain->currentWidget() == m_page);
}

void nalog_komande::napraviKomande(QTabWidget* tabMain) {
    // Beside the main tab labels while the laboratory page is open, as reception's visit commands
    // are beside them on PRIJEM: one corner, so each page puts its own row there while it is
    // shown and gives the corner back when it is left.
    m_komande = new QWidget(tabMain);
    m_komande->setObjectName(QStringLiteral("obj_nalozi"));
    m_komande->hide();
    auto* red = new QHBoxLayout(m_komande);
    red->setContentsMargins(0, 0, 2, 0);
    red->setSpacing(2);
    const int visina = tabMain->tabBar()->sizeHint().height() - 2;
    // A point smaller than the labels and tight around their texts: beside the bold label of this
    // page, three commands must fit where reception's two do, the window at its first size.
    QFont font = screenFont(ScreenFont::Arial9);
    font.setPointSize(8);

    m_sacuvaj = makeCommandButton(m_komande, QStringLiteral("cb_sacuvaj_nalog"),
                                  QStringLiteral("Sačuvaj nalog"), ScreenFont::Arial9);
    m_sacuvaj->setToolTip(QStringLiteral("Sačuvaj nalog (Ctrl+S)"));
    m_rezultati = makeCommandButton(m_komande, QStringLiteral("cb_rezultati"),
                                    QStringLiteral("Rezultati"), ScreenFont::Arial9);
    m_rezultati->setToolTip(QStringLiteral("Rezultati naloga"));
    m_stampaj = makeCommandButton(m_komande, QStringLiteral("cb_stampaj"),
                                  QStringLiteral("Štampaj"), ScreenFont::Arial9);
    m_stampaj->setToolTip(QStringLiteral("Štampaj nalaz ili račun (Ctrl+P)"));
    for (CommandButton* button : {m_sacuvaj, m_rezultati, m_stampaj}) {
        button->setFont(font);
        button->setFixedSize(button->fontMetrics().horizontalAdvance(button->text()) + 8, visina);
        // Reached by mouse and by their keys; Tab keeps the page's own order, from the tab bar
        // into the page and back.
        button->setFocusPolicy(Qt::ClickFocus);
        red->addWidget(button);
    }

    connect(m_sacuvaj, &QAbstractButton::clicked, this, [this] { sacuvajNalog(); });
    connect(m_rezultati, &QAbstractButton::clicked, this, &nalog_komande::rezultati);
    connect(m_stampaj, &QAbstractButton::clicked, this, &nalog_komande::stampaj);

    // The keys work anywhere on the page and on the commands themselves.
    for (QWidget* gde : {static_cast<QWidget*>(m_page), m_komande}) {
        const QList<std::pair<QKeySequence, std::function<void()>>> tasteri{
            {QKeySequence(Qt::CTRL | Qt::Key_S), [this] { sacuvajNalog(); }},
            {QKeySequence(Qt::CTRL | Qt::Key_P), [this] { stampaj(); }},
            {QKeySequence(Qt::CTRL | Qt::Key_N), [this] { novNalog(); }},
            {QKeySequence(Qt::ALT | Qt::Key_P),
             [this] { m_pacijent->setFocus(Qt::ShortcutFocusReason); }},
            {QKeySequence(Qt::ALT | Qt::Key_L), [this] {
                 if (m_spisak->isEnabled()) {
                     m_spisak->setFocus(Qt::ShortcutFocusReason);
                     m_spisak->showPopup();
                 }
             }}};
        for (const auto& [taster, radnja] : tasteri) {
            auto* precica = new QShortcut(taster, gde);
            precica->setContext(Qt::WidgetWithChildrenShortcut);
            connect(precica, &QShortcut::activated, this, radnja);
        }
    }

    m_tabMain = tabMain;
    connect(tabMain, &QTabWidget::currentChanged, this,
            [this] { straniPrikazana(m_tabMain->currentWidget() == m_page); });
}

void nalog_komande::napraviTraku() {
    // The empty strip below the groups, as wide as "Usluge", two rows under their captions: the
    // patient, wide enough for a whole name and identity number; the orders, each shown with its
    // date and number, and beside them "Nov nalog" and "Otkaži nalog" while a stored order is
    // shown. Beside the tab labels the lists would have no room at the window's first size.
    m_traka = new QWidget(m_page);
    m_traka->setObjectName(QStringLiteral("obj_nalog"));
    auto* redovi = new QGridLayout(m_traka);
    redovi->setContentsMargins(0, 0, 0, 0);
    redovi->setHorizontalSpacing(6);
    redovi->setVerticalSpacing(4);
    QLabel* pacijentNaslov = makeLabel(m_traka, QStringLiteral("st_lab_pacijent"),
                                       QStringLiteral("Pacijent:"), ScreenFont::ArialCE9Bold);
    QLabel* naloziNaslov = makeLabel(m_traka, QStringLiteral("st_nalozi"), QStringLiteral("Nalog:"),
                                     ScreenFont::ArialCE9Bold);
    m_pacijent = new pacijent_birac(m_sqlca, m_traka);
    m_pacijent->setFont(screenFont(ScreenFont::Arial9));
    m_pacijent->setToolTip(QStringLiteral("Pacijent naloga (Alt+P)"));
    m_spisak = new QComboBox(m_traka);
    m_spisak->setObjectName(QStringLiteral("ddlb_nalozi"));
    m_spisak->setFont(screenFont(ScreenFont::Arial9));
    m_spisak->setPlaceholderText(QStringLiteral("nov nalog"));
    m_spisak->setToolTip(QStringLiteral("Nalozi pacijenta, najnoviji prvi (Alt+L)"));
    m_spisak->setEnabled(false);
    m_spisak->setFixedWidth(m_spisak->fontMetrics().horizontalAdvance(NajduziNalog) + 30);
    m_nov = makeCommandButton(m_traka, QStringLiteral("cb_nov_nalog"), QStringLiteral("Nov nalog"),
                              ScreenFont::Arial9);
    m_nov->setToolTip(QStringLiteral("Nov nalog (Ctrl+N)"));
    m_otkazi = makeCommandButton(m_traka, QStringLiteral("cb_otkazi_nalog"),
                                 QStringLiteral("Otkaži nalog"), ScreenFont::Arial9);
    auto* nalogRed = new QHBoxLayout;
    nalogRed->setSpacing(8);
    nalogRed->addWidget(m_spisak);
    nalogRed->addWidget(m_nov);
    nalogRed->addWidget(m_otkazi);
    // The buttons come and go at the row's end; nothing before them moves.
    nalogRed->addStretch();
    redovi->addWidget(pacijentNaslov, 0, 0);
    redovi->addWidget(m_pacijent, 0, 1);
    redovi->addWidget(naloziNaslov, 1, 0);
    redovi->addLayout(nalogRed, 1, 1);
    placeInUnits(m_traka, 40, 1930, 2120, 240);

    connect(m_pacijent, &pacijent_birac::izabran, this, &nalog_komande::izabranPacijent);
    connect(m_spisak, qOverload<int>(&QComboBox::activated), this, &nalog_komande::izabranaStavka);
    connect(m_nov, &QAbstractButton::clicked, this, [this] { novNalog(); });
    connect(m_otkazi, &QAbstractButton::clicked, this, [this] { otkaziNalog(); });
    // After the page's own stops, which keep their order.
    if (auto* poslednji = m_page->findChild<QWidget*>(QStringLiteral("pb_urincen")))
        chainTabOrder({poslednji, m_pacijent, m_spisak, m_nov, m_otkazi});
}

void nalog_komande::straniPrikazana(bool prikazana) {
    QWidget* ugao = m_tabMain->cornerWidget(Qt::TopRightCorner);
    if (prikazana) {
        if (ugao != m_komande) {
            m_prethodne = ugao;
            m_tabMain->setCornerWidget(m_komande, Qt::TopRightCorner);
        }
        m_komande->show();
        // Entries added or merged elsewhere, or at another desk, are offered from now on.
        m_pacijent->zastareo();
        preuzmiSaPrijema();
    } else if (ugao == m_komande) {
        // The corner goes back to the commands it held; their own page decides whether they show.
        const bool bileVidljive = m_prethodne && !m_prethodne->isHidden();
        m_tabMain->setCornerWidget(m_prethodne, Qt::TopRightCorner);
        if (m_prethodne)
            m_prethodne->setVisible(bileVidljive);
        m_komande->hide();
    }
}

QWidget* nalog_komande::komanda(const QString& ime) const {
    if (QWidget* uRedu = m_komande->findChild<QWidget*>(ime))
        return uRedu;
    return m_traka->findChild<QWidget*>(ime);
}

nalog_komande::Stanje nalog_komande::trenutno() const {
    Stanje stanje = m_stanje;
    stanje.iznosi = m_page->iznosi();
    return stanje;
}

void nalog_komande::zapamtiOsnovu() {
    m_osnova = trenutno();
}

bool nalog_komande::imaIzmena() const {
    return !(trenutno() == m_osnova);
}

void nalog_komande::prihvacenaHematologija(const PrihvacenNalog& nalog) {
    m_stanje.stavke = nalog.stavke;
    m_stanje.popust = nalog.popust;
    m_stanje.cenaHem = nalog.ukupnaCena;
}

void nalog_komande::otvorenaHematologija(w_hematologija_unos* window) {
    // A stored order opens its analyses checked and its discount picked; a new order's window
    // opens empty, as it always has.
    if (m_rbr && m_stanje.cenaHem)
        window->oznaciNalog(m_stanje.stavke, m_stanje.popust);
}

void nalog_komande::preuzmiSaPrijema() {
    if (m_rbr || m_pacijentIzabran || !m_prijem)
        return;
    const PrijemPacijent prijem = m_prijem();
    m_rbrPoseta = prijem.rbrPoseta;
    if (prijem.rbrAdresar == m_rbrAdresar)
        return;
    m_rbrAdresar = prijem.rbrAdresar;
    m_pacijent->postavi(m_rbrAdresar);
    osveziSpisak();
}

void nalog_komande::izabranPacijent(int rbr) {
    if (m_rbrAdresar == rbr)
        return;
    // A stored order belongs to its patient: another patient's order starts empty.
    if (m_rbr) {
        if (!pitajZaIzmene()) {
            m_pacijent->postavi(m_rbrAdresar);
            return;
        }
        ocisti();
    }
    m_rbrAdresar = rbr;
    m_pacijentIzabran = true;
    const PrijemPacijent prijem = m_prijem ? m_prijem() : PrijemPacijent();
    m_rbrPoseta = prijem.rbrAdresar == rbr ? prijem.rbrPoseta : std::nullopt;
    m_pacijent->postavi(rbr);
    osveziSpisak();
    osveziTraku();
}

void nalog_komande::ocisti() {
    m_rbr.reset();
    m_verzija = 0;
    m_otkazan = false;
    m_datum = QDate();
    m_stanje = Stanje();
    m_page->postaviIznose({});
    zapamtiOsnovu();
}

bool nalog_komande::pitajZaIzmene() {
    if (!imaIzmena())
        return true;
    if (!w_da_ne::pitaj(nalog_upis::pitanjeZaCuvanje())) {
        // The edits are given up: asking again on the way out would not do.
        zapamtiOsnovu();
        return true;
    }
    return sacuvajNalog();
}

bool nalog_komande::pitajPreZatvaranja() {
    return !m_rbr || pitajZaIzmene();
}

bool nalog_komande::sacuvajNalog() {
    if (!m_rbrAdresar) {
        w_obavestenje::obavesti(nalog_upis::bezPacijenta());
        return false;
    }
    const Stanje stanje = trenutno();
    nalog_upis::Nalog nalog;
    nalog.rbr = m_rbr;
    nalog.verzija = m_verzija;
    nalog.rbrAdresar = *m_rbrAdresar;
    nalog.rbrPoseta = m_rbrPoseta;
    nalog.datum = m_rbr ? m_datum : Today();
    nalog.popust = stanje.popust;
    nalog.cenaHem = stanje.cenaHem;
    nalog.ukupnoHem = stanje.iznosi.hematologija;
    nalog.ukupnoBiohem = stanje.iznosi.biohemija;
    nalog.ukupnoUrin = stanje.iznosi.urin;
    nalog.svega = stanje.iznosi.svega;
    nalog.stavke = stanje.stavke;
    const Result<Ishod> ishod = nalog_upis::sacuvaj(m_sqlca, nalog);
    if (!pokaziIshod(ishod))
        return false;
    m_rbr = ishod.value.rbr;
    m_verzija = ishod.value.verzija;
    m_datum = nalog.datum;
    zapamtiOsnovu();
    osveziSpisak();
    osveziTraku();
    return true;
}

bool nalog_komande::otvoriNalog(int rbr) {
    if (m_rbr == rbr && !imaIzmena())
        return true;
    if (!pitajZaIzmene())
        return false;
    const Result<QList<nalog_sql::Zaglavlje>> zaglavlje = nalog_sql::zaglavlje(m_sqlca, rbr);
    if (reportReadFailure(zaglavlje) < 0)
        return false;
    if (zaglavlje.value.isEmpty()) {
        w_obavestenje::obavesti(QStringLiteral("Ovaj nalog više ne postoji."));
        return false;
    }
    const Result<QList<nalog_sql::Stavka>> stavke = nalog_sql::stavke(m_sqlca, rbr);
    if (reportReadFailure(stavke) < 0)
        return false;
    const nalog_sql::Zaglavlje& z = zaglavlje.value.first();
    m_page->postaviIznose({z.ukupnoHem, z.ukupnoBiohem, z.ukupnoUrin, z.svega});
    m_stanje = Stanje();
    m_stanje.popust = z.popust;
    m_stanje.cenaHem = z.cenaHem;
    for (const nalog_sql::Stavka& stavka : stavke.value)
        if (stavka.cena)
            m_stanje.stavke << stavka;
    m_rbr = z.rbr;
    m_verzija = z.verzija;
    m_otkazan = z.otkazan;
    m_datum = z.datum;
    m_rbrPoseta = z.rbrPoseta;
    if (m_rbrAdresar != z.rbrAdresar) {
        m_rbrAdresar = z.rbrAdresar;
        m_pacijent->postavi(m_rbrAdresar);
    }
    zapamtiOsnovu();
    osveziSpisak();
    osveziTraku();
    return true;
}

bool nalog_komande::novNalog() {
    if (!pitajZaIzmene())
        return false;
    ocisti();
    osveziSpisak();
    osveziTraku();
    return true;
}

bool nalog_komande::otkaziNalog() {
    if (!m_rbr || m_otkazan)
        return false;
    if (!w_da_ne::pitaj(nalog_upis::pitanjeZaOtkazivanje()))
        return false;
    const Result<Ishod> ishod = nalog_upis::otkazi(m_sqlca, *m_rbr, m_verzija);
    if (!pokaziIshod(ishod))
        return false;
    m_verzija = ishod.value.verzija;
    m_otkazan = true;
    osveziSpisak();
    osveziTraku();
    return true;
}

std::optional<int> nalog_komande::sacuvanNalog() {
    if (!m_rbrAdresar) {
        w_obavestenje::obavesti(nalog_upis::bezPacijenta());
        return std::nullopt;
    }
    if (m_rbr && !imaIzmena())
        return m_rbr;
    if (!w_da_ne::pitaj(m_rbr ? nalog_upis::pitanjeZaCuvanje() : pitanjeZaNov()))
        return m_rbr; // a stored order as it was stored; a new one not at all
    if (!sacuvajNalog())
        return std::nullopt;
    return m_rbr;
}

void nalog_komande::rezultati() {
    if (const std::optional<int> rbr = sacuvanNalog())
        w_rezultati_unos::otvori(m_sqlca, *rbr, m_page->window());
}

void nalog_komande::stampaj() {
    if (const std::optional<int> rbr = sacuvanNalog())
        w_stampa::otvori(m_sqlca, *rbr, m_page->window());
}

void nalog_komande::osveziSpisak() {
    m_spisak->clear();
    m_spisak->setEnabled(m_rbrAdresar.has_value());
    if (!m_rbrAdresar)
        return;
    const Result<QList<nalog_sql::StavkaSpiska>> stavke =
        nalog_sql::naloziPacijenta(m_sqlca, *m_rbrAdresar);
    reportReadFailure(stavke);
    for (const nalog_sql::StavkaSpiska& stavka : stavke.value) {
        m_spisak->addItem(stavkaSpiska(stavka), stavka.rbr);
        if (m_rbr == stavka.rbr)
            m_spisak->setCurrentIndex(m_spisak->count() - 1);
    }
    if (!m_rbr)
        m_spisak->setCurrentIndex(-1);
    widenPopupToItems(m_spisak);
    m_spisak->setToolTip(m_spisak->currentIndex() < 0
                             ? QStringLiteral("Nalozi pacijenta, najnoviji prvi (Alt+L)")
                             : m_spisak->currentText());
}

void nalog_komande::izabranaStavka(int index) {
    const int rbr = m_spisak->itemData(index).toInt();
    if (rbr > 0 && otvoriNalog(rbr))
        return;
    // The desk stayed on the order it had: the list shows that one again.
    m_spisak->setCurrentIndex(m_rbr ? m_spisak->findData(*m_rbr) : -1);
}

void nalog_komande::osveziTraku() {
    // The lists name the patient and the order; these two act on a stored order only.
    m_nov->setVisible(m_rbr.has_value());
    m_otkazi->setVisible(m_rbr.has_value());
    m_otkazi->setEnabled(!m_otkazan);
}
