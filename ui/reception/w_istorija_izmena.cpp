#include "ui/reception/w_istorija_izmena.h"

#include "domain/reception/polja_posete.h"
#include "runtime/widgets/command_button.h"
#include "runtime/widgets/factories.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/units.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>

namespace {
constexpr int Width = 3400, Height = 1700;
} // namespace

w_istorija_izmena::w_istorija_izmena(const QString& naslov,
                                     const QList<istorija_sql::Promena>& promene, QWidget* parent)
    : Window(Type::Response, QSize(Width, Height), parent ? parent : QApplication::activeWindow()) {
    setObjectName(QStringLiteral("w_istorija_izmena"));
    setWindowTitle(QStringLiteral("Istorija izmena"));
    useButtonFace(this);

    QLabel* st =
        makeLabel(this, QStringLiteral("st_istorija"),
                  promene.isEmpty() ? naslov + QStringLiteral(": poseta nije menjana.") : naslov,
                  ScreenFont::ArialCE10Bold);
    placeInUnits(st, 60, 40, Width - 120, 100);
    auto* lista = new QTreeWidget(this);
    lista->setObjectName(QStringLiteral("lb_istorija"));
    setScreenFont(lista, ScreenFont::ArialCE10);
    lista->setRootIsDecorated(false);
    lista->setHeaderLabels({QStringLiteral("Kada"), QStringLiteral("Pult"), QStringLiteral("Polje"),
                            QStringLiteral("Ranija vrednost")});
    for (const istorija_sql::Promena& p : promene) {
        QString vrednost = p.staraVrednost;
        if (p.obrisano)
            vrednost += QStringLiteral("  (obrisano)");
        auto* red =
            new QTreeWidgetItem(lista, {p.kada.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")),
                                        p.pult, polja_posete::naziv(p.polje), vrednost});
        red->setToolTip(3, p.staraVrednost);
    }
    lista->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    lista->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    lista->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    placeInUnits(lista, 60, 160, Width - 120, 1300);
    st->setBuddy(lista);

    CommandButton* zatvori = makeCommandButton(this, QStringLiteral("cb_zatvori"),
                                               QStringLiteral("Zatvori"), ScreenFont::ArialCE9Bold);
    placeInUnits(zatvori, Width - 560, 1520, 500, 112);
    zatvori->setDefault(true);
    setFixedSize(size());
    lista->setFocus();
    connect(zatvori, &QPushButton::clicked, this, [this] { Close(this); });
}
