#include "ui/appointments/w_lekari.h"

#include "domain/appointments/lekar_upis.h"
#include "runtime/widgets/command_button.h"
#include "runtime/widgets/controls.h"
#include "runtime/widgets/factories.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/message_box.h"
#include "runtime/widgets/units.h"
#include "ui/common/pokazi_ishod.h"
#include "ui/common/w_da_ne.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>

namespace {

constexpr int Width = 1800, Height = 1300;
constexpr int Left = 60, ListWidth = 1000, ButtonX = 1160, ButtonWidth = 560, ButtonHeight = 112;

} // namespace

w_lekari::w_lekari(Transaction& sqlca, QWidget* parent)
    : Window(Type::Response, QSize(Width, Height), parent ? parent : QApplication::activeWindow()),
      m_sqlca(sqlca) {
    setObjectName(QStringLiteral("w_lekari"));
    setWindowTitle(QStringLiteral("Lekari"));
    useButtonFace(this);

    QLabel* naslov = makeLabel(this, QStringLiteral("st_lekari"),
                               QStringLiteral("Lekari ordinacije:"), ScreenFont::ArialCE10);
    placeInUnits(naslov, Left, 60, ListWidth, 90);
    m_lista = new QListWidget(this);
    m_lista->setObjectName(QStringLiteral("lb_lekari"));
    setScreenFont(m_lista, ScreenFont::ArialCE10);
    placeInUnits(m_lista, Left, 170, ListWidth, 800);
    naslov->setBuddy(m_lista);

    QLabel* imeNaslov =
        makeLabel(this, QStringLiteral("st_naziv"), QStringLiteral("Ime:"), ScreenFont::ArialCE10);
    placeInUnits(imeNaslov, Left, 1030, 200, 90);
    m_naziv = new SingleLineEdit(QStringLiteral("sle_naziv"), this);
    setScreenFont(m_naziv, ScreenFont::ArialCE10);
    placeInUnits(m_naziv, Left + 220, 1020, ListWidth - 220, 100);
    imeNaslov->setBuddy(m_naziv);

    auto dugme = [this](const char* ime, const QString& tekst, int y) {
        CommandButton* button =
            makeCommandButton(this, QString::fromLatin1(ime), tekst, ScreenFont::ArialCE9Bold);
        placeInUnits(button, ButtonX, y, ButtonWidth, ButtonHeight);
        return button;
    };
    CommandButton* dodaj = dugme("cb_dodaj", QStringLiteral("Dodaj"), 170);
    CommandButton* preimenuj = dugme("cb_preimenuj", QStringLiteral("Preimenuj"), 320);
    CommandButton* ukloni = dugme("cb_ukloni", QStringLiteral("Ukloni"), 470);
    CommandButton* zatvori = dugme("cb_zatvori", QStringLiteral("Zatvori"), 1020);
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("gb_1"));
    placeInUnits(frame, 20, 4, Width - 40, Height - 24);
    frame->lower();
    setFixedSize(size());
    chainTabOrder({m_lista, m_naziv, dodaj, preimenuj, ukloni, zatvori});

    connect(m_lista, &QListWidget::currentRowChanged, this, &w_lekari::izabran);
    connect(dodaj, &QPushButton::clicked, this, &w_lekari::dodaj);
    connect(preimenuj, &QPushButton::clicked, this, &w_lekari::preimenuj);
    connect(ukloni, &QPushButton::clicked, this, &w_lekari::ukloni);
    connect(zatvori, &QPushButton::clicked, this, &QDialog::accept);
    procitaj(0);
    m_lista->setFocus();
}

void w_lekari::procitaj(int izabrati) {
    const Result<QList<lekar_sql::Lekar>> lekari = lekar_sql::lekari(m_sqlca);
    if (lekari.failed())
        reportReadFailure(lekari);
    m_lista->clear();
    for (const lekar_sql::Lekar& lekar : lekari.value) {
        auto* stavka = new QListWidgetItem(lekar.naziv, m_lista);
        stavka->setData(Qt::UserRole, lekar.rbr);
        if (lekar.rbr == izabrati)
            m_lista->setCurrentItem(stavka);
    }
    if (!m_lista->currentItem() && m_lista->count() > 0)
        m_lista->setCurrentRow(0);
}

void w_lekari::izabran() {
    if (QListWidgetItem* stavka = m_lista->currentItem())
        m_naziv->setText(stavka->text());
}

int w_lekari::izabraniRbr() const {
    const QListWidgetItem* stavka = m_lista->currentItem();
    return stavka ? stavka->data(Qt::UserRole).toInt() : 0;
}

void w_lekari::dodaj() {
    const QString naziv = m_naziv->text().trimmed();
    if (!pokaziIshod(lekar_upis::dodaj(m_sqlca, naziv), this))
        return;
    procitaj(0);
    // The new doctor is the one with that name.
    const QList<QListWidgetItem*> nadjeni = m_lista->findItems(naziv, Qt::MatchExactly);
    if (!nadjeni.isEmpty())
        m_lista->setCurrentItem(nadjeni.first());
}

void w_lekari::preimenuj() {
    const int rbr = izabraniRbr();
    if (rbr > 0 && pokaziIshod(lekar_upis::preimenuj(m_sqlca, rbr, m_naziv->text()), this))
        procitaj(rbr);
}

void w_lekari::ukloni() {
    const QListWidgetItem* stavka = m_lista->currentItem();
    if (!stavka ||
        !w_da_ne::pitaj(
            QStringLiteral("Da li želite da uklonite lekara „%1” sa spiska?").arg(stavka->text())))
        return;
    if (pokaziIshod(lekar_upis::obrisi(m_sqlca, stavka->data(Qt::UserRole).toInt()), this))
        procitaj(0);
}
