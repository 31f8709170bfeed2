#include "ui/reception/w_slicni_pacijenti.h"

#include "domain/reception/poseta_datum.h"
#include "runtime/widgets/command_button.h"
#include "runtime/widgets/factories.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/units.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>

namespace {
constexpr int Width = 3000, Height = 1300;
constexpr int RbrUloga = Qt::UserRole + 1;
} // namespace

w_slicni_pacijenti::w_slicni_pacijenti(const QList<poseta_sql::SlicanPacijent>& slicni,
                                       Izbor& izbor, QWidget* parent)
    : Window(Type::Response, QSize(Width, Height), parent ? parent : QApplication::activeWindow()),
      m_izbor(izbor) {
    setObjectName(QStringLiteral("w_slicni_pacijenti"));
    setWindowTitle(QStringLiteral("Slični unosi u adresaru"));
    useButtonFace(this);
    m_izbor = Izbor();

    QLabel* naslov = makeLabel(this, QStringLiteral("st_slicni"),
                               QStringLiteral("U adresaru već postoje slični unosi. Izaberite "
                                              "pacijenta ili upišite novi unos."),
                               ScreenFont::ArialCE10);
    placeInUnits(naslov, 60, 40, Width - 120, 100);
    m_lista = new QTreeWidget(this);
    m_lista->setObjectName(QStringLiteral("lb_slicni"));
    setScreenFont(m_lista, ScreenFont::ArialCE10);
    m_lista->setRootIsDecorated(false);
    m_lista->setAllColumnsShowFocus(true);
    m_lista->setHeaderLabels({QStringLiteral("Prezime"), QStringLiteral("Ime"),
                              QStringLiteral("Matični broj"), QStringLiteral("Grad"),
                              QStringLiteral("Poslednja poseta")});
    for (const poseta_sql::SlicanPacijent& p : slicni) {
        auto* red = new QTreeWidgetItem(
            m_lista,
            {p.prezime, p.ime, p.mbr, p.grad,
             p.poslednjaPoseta.isValid() ? poseta_datum::prikazi(p.poslednjaPoseta) : QString()});
        red->setData(0, RbrUloga, p.rbr);
    }
    m_lista->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_lista->setCurrentItem(m_lista->topLevelItem(0));
    placeInUnits(m_lista, 60, 160, Width - 120, 900);
    naslov->setBuddy(m_lista);

    CommandButton* izaberi = makeCommandButton(this, QStringLiteral("cb_izaberi"),
                                               QStringLiteral("Izaberi"), ScreenFont::ArialCE9Bold);
    CommandButton* novi = makeCommandButton(this, QStringLiteral("cb_novi_unos"),
                                            QStringLiteral("Novi unos"), ScreenFont::ArialCE9Bold);
    CommandButton* odustani = makeCommandButton(
        this, QStringLiteral("cb_odustani"), QStringLiteral("Odustani"), ScreenFont::ArialCE9Bold);
    placeInUnits(izaberi, 60, 1120, 500, 112);
    placeInUnits(novi, 620, 1120, 500, 112);
    placeInUnits(odustani, Width - 560, 1120, 500, 112);
    izaberi->setDefault(true);
    setFixedSize(size());
    chainTabOrder({m_lista, izaberi, novi, odustani});
    m_lista->setFocus();

    connect(izaberi, &QPushButton::clicked, this, &w_slicni_pacijenti::izaberi);
    connect(m_lista, &QTreeWidget::itemDoubleClicked, this, &w_slicni_pacijenti::izaberi);
    connect(novi, &QPushButton::clicked, this, [this] {
        m_izbor.kraj = Izbor::Kraj::NoviUnos;
        CloseWithReturn(this, QStringLiteral("DA"));
    });
    connect(odustani, &QPushButton::clicked, this,
            [this] { CloseWithReturn(this, QStringLiteral("NE")); });
}

void w_slicni_pacijenti::izaberi() {
    const QTreeWidgetItem* red = m_lista->currentItem();
    if (!red)
        return;
    m_izbor.kraj = Izbor::Kraj::Izabran;
    m_izbor.rbr = red->data(0, RbrUloga).toInt();
    CloseWithReturn(this, QStringLiteral("DA"));
}
