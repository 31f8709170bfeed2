#include "ui/lab/w_rezultati_unos.h"

#include "domain/lab/nalog_upis.h"
#include "domain/reception/poseta_datum.h"
#include "runtime/core/dates.h"
#include "runtime/widgets/accessible_names.h"
#include "runtime/widgets/command_button.h"
#include "runtime/widgets/factories.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/message_box.h"
#include "runtime/widgets/units.h"
#include "ui/common/pokazi_ishod.h"
#include "ui/common/w_da_ne.h"
#include "ui/common/w_obavestenje.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

namespace {

constexpr int Width = 3000, Height = 2100;
enum Kolona { Analiza, Rezultat, Jedinica, Opseg, Oznaka, BrojKolona };

bool istiRezultati(const QList<rezultat_upis::Linija>& a, const QList<rezultat_upis::Linija>& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a.at(i).vrednost != b.at(i).vrednost || !a.at(i).stavka.istiKljuc(b.at(i).stavka))
            return false;
    return true;
}

QTableWidgetItem* celija(const QString& tekst, bool menja) {
    auto* item = new QTableWidgetItem(tekst);
    if (!menja)
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

} // namespace

w_rezultati_unos::w_rezultati_unos(Transaction& sqlca, const rezultat_upis::Nalog& nalog,
                                   QWidget* parent)
    : Window(Type::Response, QSize(Width, Height), parent ? parent : QApplication::activeWindow()),
      m_sqlca(sqlca) {
    setObjectName(QStringLiteral("w_rezultati_unos"));
    useButtonFace(this);

    m_naslov = makeLabel(this, QStringLiteral("st_nalog"), QString(), ScreenFont::ArialCE10Bold);
    m_naslov->setWordWrap(true);
    placeInUnits(m_naslov, 60, 30, Width - 120, 200);

    m_tabela = new QTableWidget(0, BrojKolona, this);
    m_tabela->setObjectName(QStringLiteral("dw_rezultati"));
    setScreenFont(m_tabela, ScreenFont::Arial10);
    m_tabela->setHorizontalHeaderLabels({QStringLiteral("Analiza"), QStringLiteral("Rezultat"),
                                         QStringLiteral("Jedinica"),
                                         QStringLiteral("Referentne vrednosti"), QString()});
    m_tabela->verticalHeader()->hide();
    m_tabela->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_tabela->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tabela->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_tabela->setTabKeyNavigation(false);
    QHeaderView* zaglavlje = m_tabela->horizontalHeader();
    zaglavlje->setSectionResizeMode(Analiza, QHeaderView::Stretch);
    m_tabela->setColumnWidth(Rezultat, 130);
    m_tabela->setColumnWidth(Jedinica, 90);
    m_tabela->setColumnWidth(Opseg, 200);
    m_tabela->setColumnWidth(Oznaka, 34);
    placeInUnits(m_tabela, 60, 250, Width - 120, 1450);

    QLabel* grupaNaslov = makeLabel(this, QStringLiteral("st_grupa"), QStringLiteral("Grupa:"),
                                    ScreenFont::ArialCE10);
    placeInUnits(grupaNaslov, 60, 1780, 300, 90);
    m_grupa = new QComboBox(this);
    m_grupa->setObjectName(QStringLiteral("ddlb_grupa"));
    setScreenFont(m_grupa, ScreenFont::ArialCE10);
    for (const nalazi_sql::grupa_analiza& grupa : nalazi_sql::grupe())
        m_grupa->addItem(grupa.naziv);
    placeInUnits(m_grupa, 360, 1770, 700, 100);
    m_analiza = new QComboBox(this);
    m_analiza->setObjectName(QStringLiteral("ddlb_analiza"));
    setScreenFont(m_analiza, ScreenFont::ArialCE10);
    placeInUnits(m_analiza, 1100, 1770, 900, 100);
    m_dodaj = makeCommandButton(this, QStringLiteral("cb_dodaj"), QStringLiteral("Dodaj analizu"),
                                ScreenFont::ArialCE9);
    placeInUnits(m_dodaj, 2040, 1764, 500, 112);
    m_sacuvaj = makeCommandButton(this, QStringLiteral("cb_sacuvaj"), QStringLiteral("Sačuvaj"),
                                  ScreenFont::ArialCE9Bold);
    m_sacuvaj->setToolTip(QStringLiteral("Sačuvaj rezultate (Ctrl+S)"));
    m_sacuvaj->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    placeInUnits(m_sacuvaj, Width - 1000, 1930, 440, 112);
    QPushButton* zatvori = makeCommandButton(this, QStringLiteral("cb_zatvori"),
                                             QStringLiteral("Zatvori"), ScreenFont::ArialCE9);
    placeInUnits(zatvori, Width - 500, 1930, 440, 112);
    setFixedSize(size());

    captionControl(grupaNaslov, m_grupa);
    nameControl(m_tabela, QStringLiteral("Rezultati naloga"));
    nameControl(m_analiza, QStringLiteral("Analiza koja se dodaje"));
    chainTabOrder({m_tabela, m_grupa, m_analiza, m_dodaj, m_sacuvaj, zatvori});

    connect(m_tabela, &QTableWidget::cellChanged, this, &w_rezultati_unos::promenjenaVrednost);
    connect(m_grupa, &QComboBox::currentIndexChanged, this, &w_rezultati_unos::popuniAnalize);
    connect(m_dodaj, &QPushButton::clicked, this, [this] { dodajAnalizu(); });
    connect(m_sacuvaj, &QPushButton::clicked, this, [this] { sacuvaj(); });
    connect(zatvori, &QPushButton::clicked, this, [this] { Close(this); });

    prikazi(nalog);
    m_tabela->setFocus();
    if (m_tabela->rowCount() > 0)
        m_tabela->setCurrentCell(0, Rezultat);
}

void w_rezultati_unos::otvori(Transaction& sqlca, int rbrNaloga, QWidget* parent) {
    const Result<rezultat_upis::Ucitano> ucitano = rezultat_upis::ucitaj(sqlca, rbrNaloga);
    if (reportReadFailure(ucitano) < 0)
        return;
    if (!ucitano.value.nalog) {
        w_obavestenje::obavesti(ucitano.value.obavestenje);
        return;
    }
    Open<w_rezultati_unos>(sqlca, *ucitano.value.nalog, parent);
}

void w_rezultati_unos::prikazi(const rezultat_upis::Nalog& nalog) {
    m_nalog = nalog;
    m_linije = nalog.linije;
    m_osnova = m_linije;
    const nalog_sql::Zaglavlje& z = nalog.zaglavlje;
    setWindowTitle(QStringLiteral("Rezultati naloga br. %1").arg(z.rbr));
    QString naslov = (nalog.pacijent.prezime + QLatin1Char(' ') + nalog.pacijent.ime).trimmed();
    if (!nalog.pacijent.mbr.isEmpty())
        naslov += QStringLiteral(", ") + nalog.pacijent.mbr;
    naslov +=
        QStringLiteral(" — nalog br. %1 od %2").arg(z.rbr).arg(poseta_datum::prikazi(z.datum));
    if (nalog.pol == ocena::Pol::Nepoznat)
        naslov +=
            QStringLiteral("\nPol nije poznat: prikazane su granice za oba pola, bez oznake.");
    if (z.otkazan)
        naslov += QStringLiteral("\nNalog je otkazan: rezultati se ne menjaju.");
    m_naslov->setText(naslov);

    m_puni = true;
    m_tabela->setRowCount(0);
    for (const rezultat_upis::Linija& linija : m_linije)
        dodajRed(linija);
    m_puni = false;
    for (QWidget* kontrola :
         std::initializer_list<QWidget*>{m_grupa, m_analiza, m_dodaj, m_sacuvaj})
        kontrola->setEnabled(!z.otkazan);
    m_tabela->setEditTriggers(z.otkazan ? QAbstractItemView::NoEditTriggers
                                        : QAbstractItemView::AllEditTriggers);
    popuniAnalize();
}

void w_rezultati_unos::dodajRed(const rezultat_upis::Linija& linija) {
    const int red = m_tabela->rowCount();
    const bool puni = m_puni;
    m_puni = true;
    m_tabela->insertRow(red);
    m_tabela->setItem(red, Analiza, celija(linija.stavka.naziv, false));
    m_tabela->setItem(red, Rezultat, celija(linija.vrednost, true));
    m_tabela->setItem(red, Jedinica, celija(linija.jedMere, false));
    m_tabela->setItem(red, Opseg, celija(QString(), false));
    m_tabela->setItem(red, Oznaka, celija(QString(), false));
    m_tabela->item(red, Oznaka)->setTextAlignment(Qt::AlignCenter);
    m_puni = puni;
    osveziRed(red);
}

void w_rezultati_unos::osveziRed(int red) {
    const rezultat_upis::Linija& linija = m_linije.at(red);
    const bool puni = m_puni;
    m_puni = true;
    m_tabela->item(red, Opseg)->setText(linija.opseg());
    m_tabela->item(red, Oznaka)->setText(ocena::oznaka(linija.ocena()));
    QFont font = m_tabela->font();
    font.setBold(linija.ocena() == ocena::Ocena::Nize || linija.ocena() == ocena::Ocena::Vise);
    m_tabela->item(red, Rezultat)->setFont(font);
    m_tabela->item(red, Oznaka)->setFont(font);
    m_puni = puni;
}

void w_rezultati_unos::promenjenaVrednost(int red, int kolona) {
    if (m_puni || kolona != Rezultat || red < 0 || red >= m_linije.size())
        return;
    rezultat_upis::Linija& linija = m_linije[red];
    linija.vrednost = m_tabela->item(red, Rezultat)->text();
    // A value typed now is judged for the patient as known now.
    linija.pol = m_nalog.pol;
    osveziRed(red);
}

void w_rezultati_unos::popuniAnalize() {
    m_analiza->clear();
    const QList<nalazi_sql::grupa_analiza> grupe = nalazi_sql::grupe();
    const int izabrana = m_grupa->currentIndex();
    if (izabrana < 0 || izabrana >= grupe.size())
        return;
    const nalazi_sql::grupa_analiza& grupa = grupe.at(izabrana);
    for (const nalazi_sql::analiza& a : m_nalog.katalog)
        if (a.grupa == grupa.grupa && (!grupa.podgrupa || a.podgrupa == *grupa.podgrupa))
            m_analiza->addItem(a.naziv, QList<QVariant>{a.grupa, a.podgrupa, a.rbr});
    m_dodaj->setEnabled(m_analiza->count() > 0 && !m_nalog.zaglavlje.otkazan);
}

bool w_rezultati_unos::dodajAnalizu() {
    const QList<QVariant> kljuc = m_analiza->currentData().toList();
    if (kljuc.size() != 3)
        return false;
    const std::optional<nalazi_sql::analiza> analiza =
        nalazi_sql::nadji(m_nalog.katalog, qint16(kljuc.at(0).toInt()), qint16(kljuc.at(1).toInt()),
                          qint16(kljuc.at(2).toInt()));
    if (!analiza)
        return false;
    const rezultat_upis::Linija nova = rezultat_upis::novaLinija(*analiza, m_nalog.pol);
    for (int red = 0; red < m_linije.size(); ++red) {
        if (m_linije.at(red).stavka.istiKljuc(nova.stavka)) {
            m_tabela->setCurrentCell(red, Rezultat);
            OpenWithParm<w_obavestenje>(
                QStringLiteral("Analiza „%1“ je već na nalogu.").arg(analiza->naziv), this);
            return false;
        }
    }
    m_linije << nova;
    dodajRed(nova);
    m_tabela->setFocus();
    m_tabela->setCurrentCell(m_tabela->rowCount() - 1, Rezultat);
    return true;
}

bool w_rezultati_unos::imaIzmena() const {
    return !istiRezultati(m_linije, m_osnova);
}

bool w_rezultati_unos::sacuvaj() {
    // A value still being typed counts (Ctrl+S in the cell): moving off the cell hands the
    // editor's text to the table.
    if (const QModelIndex tu = m_tabela->currentIndex(); tu.isValid()) {
        m_tabela->setCurrentIndex(QModelIndex());
        m_tabela->setCurrentIndex(tu);
    }
    const Result<Ishod> ishod = rezultat_upis::sacuvaj(
        m_sqlca, m_nalog.zaglavlje.rbr, m_nalog.zaglavlje.verzijaRezultata, m_linije, Today());
    if (!pokaziIshod(ishod, this))
        return false;
    // Read back: the lines added here have their keys now, and every result its day.
    const Result<rezultat_upis::Ucitano> ucitano =
        rezultat_upis::ucitaj(m_sqlca, m_nalog.zaglavlje.rbr);
    if (ucitano.value.nalog) {
        const int red = m_tabela->currentRow();
        prikazi(*ucitano.value.nalog);
        if (red >= 0 && red < m_tabela->rowCount())
            m_tabela->setCurrentCell(red, Rezultat);
    } else {
        reportReadFailure(ucitano);
        m_osnova = m_linije;
    }
    return true;
}

bool w_rezultati_unos::closequery() {
    if (!imaIzmena() || m_nalog.zaglavlje.otkazan)
        return true;
    if (!w_da_ne::pitaj(nalog_upis::pitanjeZaCuvanje()))
        return true;
    return sacuvaj();
}
