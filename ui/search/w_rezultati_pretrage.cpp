#include "ui/search/w_rezultati_pretrage.h"

#include "domain/search/pravila.h"
#include "runtime/core/dates.h"
#include "runtime/widgets/command_button.h"
#include "runtime/widgets/factories.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/message_box.h"
#include "runtime/widgets/units.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableWidget>

namespace {

constexpr int Width = 3000, Height = 1900;
constexpr int ButtonWidth = 500, ButtonHeight = 112, ButtonY = Height - 180;

} // namespace

w_rezultati_pretrage::w_rezultati_pretrage(Transaction& sqlca,
                                           const QList<pretraga::Kriterijum>& paneli, int naStrani,
                                           QWidget* parent)
    : Window(Type::Popup, QSize(Width, Height), parent ? parent : QApplication::activeWindow()),
      m_sqlca(sqlca), m_paneli(paneli), m_naStrani(naStrani) {
    setObjectName(QStringLiteral("w_rezultati_pretrage"));
    setWindowTitle(QStringLiteral("Rezultati pretrage"));
    setAttribute(Qt::WA_DeleteOnClose);
    useButtonFace(this);

    m_upit = makeLabel(this, QStringLiteral("st_upit"), pretraga::upitRecima(paneli),
                       ScreenFont::ArialCE10Bold);
    m_upit->setWordWrap(true);
    placeInUnits(m_upit, 60, 40, Width - 120, 160);

    m_lista = new QTableWidget(0, 5, this);
    m_lista->setObjectName(QStringLiteral("dw_rezultati"));
    m_lista->setHorizontalHeaderLabels({QStringLiteral("Prezime"), QStringLiteral("Ime"),
                                        QStringLiteral("Matični broj"), QStringLiteral("Grad"),
                                        QStringLiteral("Poseta")});
    m_lista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lista->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_lista->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lista->verticalHeader()->hide();
    m_lista->horizontalHeader()->setStretchLastSection(true);
    setScreenFont(m_lista, ScreenFont::ArialCE10);
    m_lista->installEventFilter(this);
    placeInUnits(m_lista, 60, 220, Width - 120, ButtonY - 260);
    const int widths[] = {700, 560, 560, 560};
    for (int c = 0; c < 4; ++c)
        m_lista->setColumnWidth(c, UnitsToPixels(widths[c], UnitDirection::Horizontal));
    connect(m_lista, &QTableWidget::cellDoubleClicked, this, &w_rezultati_pretrage::otvoriIzabrani);

    m_prethodna = makeCommandButton(this, QStringLiteral("cb_prethodna"),
                                    QStringLiteral("< Prethodna"), ScreenFont::ArialCE9Bold);
    placeInUnits(m_prethodna, 60, ButtonY, ButtonWidth, ButtonHeight);
    m_strana = makeLabel(this, QStringLiteral("st_strana"), QString(), ScreenFont::ArialCE10);
    m_strana->setAlignment(Qt::AlignCenter);
    placeInUnits(m_strana, 60 + ButtonWidth, ButtonY + 10, 600, ButtonHeight);
    m_sledeca = makeCommandButton(this, QStringLiteral("cb_sledeca"), QStringLiteral("Sledeća >"),
                                  ScreenFont::ArialCE9Bold);
    placeInUnits(m_sledeca, 60 + ButtonWidth + 600, ButtonY, ButtonWidth, ButtonHeight);
    m_posetu = makeCommandButton(this, QStringLiteral("cb_otvori_posetu"),
                                 QStringLiteral("Otvori posetu"), ScreenFont::ArialCE9Bold);
    placeInUnits(m_posetu, Width - 60 - 2 * ButtonWidth - 40, ButtonY, ButtonWidth, ButtonHeight);
    CommandButton* zatvori = makeCommandButton(this, QStringLiteral("cb_zatvori"),
                                               QStringLiteral("Zatvori"), ScreenFont::ArialCE9Bold);
    placeInUnits(zatvori, Width - 60 - ButtonWidth, ButtonY, ButtonWidth, ButtonHeight);

    connect(m_prethodna, &QPushButton::clicked, this,
            [this] { prikazi(qMax(0, m_preskoci - m_naStrani)); });
    connect(m_sledeca, &QPushButton::clicked, this, [this] { prikazi(m_preskoci + m_naStrani); });
    connect(m_posetu, &QPushButton::clicked, this, &w_rezultati_pretrage::otvoriIzabranuPosetu);
    connect(zatvori, &QPushButton::clicked, this, [this] { Close(this); });
    connect(m_lista, &QTableWidget::itemSelectionChanged, this,
            &w_rezultati_pretrage::osveziDugmad);
    setFixedSize(size());
}

bool w_rezultati_pretrage::prikazi(int preskoci) {
    const Result<pretraga_sql::Strana> strana = pretraga_sql::trazi(
        m_sqlca, pretraga_sql::sastavi(m_paneli, Today(), preskoci, m_naStrani));
    if (strana.failed()) {
        reportReadFailure(strana);
        return false;
    }
    m_preskoci = preskoci;
    m_ukupno = strana.value.ukupno;
    m_pogoci = strana.value.pogoci;
    m_lista->clearContents();
    m_lista->setRowCount(int(m_pogoci.size()));
    for (int r = 0; r < m_pogoci.size(); ++r) {
        const pretraga_sql::Pogodak& pogodak = m_pogoci.at(r);
        const QString kolone[] = {pogodak.prezime, pogodak.ime, pogodak.mbr, pogodak.grad,
                                  pogodak.rbrPosete
                                      ? pogodak.datumPosete.toString(QStringLiteral("dd.MM.yyyy"))
                                      : QString()};
        for (int c = 0; c < 5; ++c)
            m_lista->setItem(r, c, new QTableWidgetItem(kolone[c]));
    }
    m_strana->setText(pretraga::opisStrane(m_preskoci + 1, int(m_pogoci.size()), m_ukupno));
    if (!m_pogoci.isEmpty()) {
        m_lista->selectRow(0);
        m_lista->setFocus();
    }
    osveziDugmad();
    return true;
}

void w_rezultati_pretrage::osveziDugmad() {
    m_prethodna->setEnabled(m_preskoci > 0);
    m_sledeca->setEnabled(m_preskoci + m_pogoci.size() < m_ukupno);
    const int red = m_lista->currentRow();
    m_posetu->setEnabled(red >= 0 && red < m_pogoci.size() && m_pogoci.at(red).rbrPosete);
}

void w_rezultati_pretrage::otvoriIzabrani() {
    const int red = m_lista->currentRow();
    if (red >= 0 && red < m_pogoci.size())
        emit otvoriUnos(m_pogoci.at(red).rbr);
}

void w_rezultati_pretrage::otvoriIzabranuPosetu() {
    const int red = m_lista->currentRow();
    if (red >= 0 && red < m_pogoci.size() && m_pogoci.at(red).rbrPosete)
        emit otvoriPosetu(*m_pogoci.at(red).rbrPosete);
}

bool w_rezultati_pretrage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_lista && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            otvoriIzabrani();
            return true;
        }
    }
    return Window::eventFilter(watched, event);
}
