#include "ui/appointments/w_termini_pacijenta.h"

#include "domain/appointments/termini_pacijenta.h"
#include "runtime/core/dates.h"
#include "runtime/widgets/command_button.h"
#include "runtime/widgets/factories.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/message_box.h"
#include "runtime/widgets/units.h"

#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTreeWidget>

namespace {

constexpr int Width = 3000, Height = 1500;
constexpr int LekarUloga = Qt::UserRole;
constexpr int DanUloga = Qt::UserRole + 1;
constexpr int VremeUloga = Qt::UserRole + 2;

} // namespace

w_termini_pacijenta::w_termini_pacijenta(Transaction& sqlca, int rbrAdresar,
                                         const QString& pacijent, QWidget* parent)
    : Window(Type::Response, QSize(Width, Height), parent ? parent : QApplication::activeWindow()) {
    setObjectName(QStringLiteral("w_termini_pacijenta"));
    setWindowTitle(QStringLiteral("Termini pacijenta"));
    useButtonFace(this);

    QLabel* naslov =
        makeLabel(this, QStringLiteral("st_pacijent"), pacijent, ScreenFont::ArialCE10Bold);
    placeInUnits(naslov, 60, 60, Width - 120, 90);
    m_lista = new QTreeWidget(this);
    m_lista->setObjectName(QStringLiteral("dw_termini"));
    setScreenFont(m_lista, ScreenFont::ArialCE10);
    m_lista->setRootIsDecorated(false);
    m_lista->setUniformRowHeights(true);
    m_lista->setHeaderLabels({QStringLiteral("Datum"), QStringLiteral("Vreme"),
                              QStringLiteral("Lekar"), QStringLiteral("Napomena"),
                              QStringLiteral("Status")});
    m_lista->setAccessibleName(QStringLiteral("Termini pacijenta %1").arg(pacijent));
    placeInUnits(m_lista, 60, 170, Width - 120, Height - 480);
    naslov->setBuddy(m_lista);

    CommandButton* zatvori = makeCommandButton(this, QStringLiteral("cb_zatvori"),
                                               QStringLiteral("Zatvori"), ScreenFont::ArialCE9Bold);
    placeInUnits(zatvori, Width - 460, Height - 250, 400, 112);
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("gb_1"));
    placeInUnits(frame, 20, 4, Width - 40, Height - 24);
    frame->lower();
    setFixedSize(size());

    const Result<QList<zakazivanje_sql::TerminPacijenta>> termini =
        zakazivanje_sql::terminiPacijenta(sqlca, rbrAdresar);
    if (termini.failed())
        reportReadFailure(termini);
    const QDateTime sada(Today(), QTime::currentTime());
    for (const zakazivanje_sql::TerminPacijenta& t :
         termini_pacijenta::poredjaj(termini.value, sada)) {
        auto* red =
            new QTreeWidgetItem(m_lista, {t.datum.toString(QStringLiteral("dd.MM.yyyy")),
                                          t.vreme.toString(QStringLiteral("HH:mm")), t.lekar,
                                          t.opis, status_termina::naziv(t.status)});
        red->setData(0, LekarUloga, t.rbrLekar);
        red->setData(0, DanUloga, t.datum);
        red->setData(0, VremeUloga, t.vreme);
        if (!termini_pacijenta::predstoji(t, sada))
            for (int kolona = 0; kolona < m_lista->columnCount(); ++kolona)
                red->setForeground(kolona, palette().brush(QPalette::Disabled, QPalette::Text));
    }
    if (m_lista->topLevelItemCount() == 0)
        new QTreeWidgetItem(m_lista, {QString(), QString(), QString(),
                                      QStringLiteral("Pacijent nema zakazanih termina.")});
    for (int kolona = 0; kolona < m_lista->columnCount(); ++kolona)
        m_lista->resizeColumnToContents(kolona);
    m_lista->setCurrentItem(m_lista->topLevelItem(0));
    m_lista->installEventFilter(this);
    m_lista->setFocus();

    connect(m_lista, &QTreeWidget::itemActivated, this, &w_termini_pacijenta::otvori);
    connect(zatvori, &QPushButton::clicked, this, &QDialog::reject);
}

bool w_termini_pacijenta::eventFilter(QObject* watched, QEvent* event) {
    // Enter opens the line's day rather than closing the window by its default button.
    if (watched == m_lista && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            otvori();
            return true;
        }
    }
    return Window::eventFilter(watched, event);
}

void w_termini_pacijenta::otvori() {
    const QTreeWidgetItem* red = m_lista->currentItem();
    if (!red || !red->data(0, DanUloga).toDate().isValid())
        return;
    const int rbrLekar = red->data(0, LekarUloga).toInt();
    const QDate dan = red->data(0, DanUloga).toDate();
    const QTime vreme = red->data(0, VremeUloga).toTime();
    // Reported while the window still stands: closing it may delete it.
    emit otvoriDan(rbrLekar, dan, vreme);
    accept();
}
