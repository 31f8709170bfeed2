#include "ui/appointments/w_zakazivanje_termin.h"

#include "runtime/widgets/command_button.h"
#include "runtime/widgets/controls.h"
#include "runtime/widgets/factories.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/units.h"
#include "ui/common/folding_completer.h"
#include "ui/common/w_obavestenje.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>

namespace {

constexpr int Width = 1800, Height = 740;
constexpr int LabelX = 60, FieldX = 440, FieldWidth = 1300;

QString nazivOf(const zakazivanje_sql::Pacijent& p) {
    return QStringLiteral("%1 %2").arg(p.prezime, p.ime).trimmed();
}

} // namespace

QHash<QString, int>
w_zakazivanje_termin::nazivi(const QList<zakazivanje_sql::Pacijent>& pacijenti) {
    QHash<QString, int> koliko;
    for (const auto& p : pacijenti)
        ++koliko[nazivOf(p)];
    QHash<QString, int> nazivi;
    for (const auto& p : pacijenti) {
        const QString naziv = nazivOf(p);
        nazivi.insert(koliko.value(naziv) > 1 ? QStringLiteral("%1 (%2)").arg(naziv).arg(p.rbr)
                                              : naziv,
                      p.rbr);
    }
    return nazivi;
}

w_zakazivanje_termin::w_zakazivanje_termin(const QString& naslov,
                                           const QList<zakazivanje_sql::Pacijent>& pacijenti,
                                           TerminUnos& unos, QWidget* parent)
    : Window(Type::Response, QSize(Width, Height), parent ? parent : QApplication::activeWindow()),
      m_unos(unos), m_nazivi(nazivi(pacijenti)) {
    setObjectName(QStringLiteral("w_zakazivanje_termin"));
    setWindowTitle(QStringLiteral("Zakazivanje"));
    useButtonFace(this);

    QLabel* termin =
        makeLabel(this, QStringLiteral("st_termin"), naslov, ScreenFont::ArialCE10Bold);
    placeInUnits(termin, LabelX, 60, Width - 2 * LabelX, 90);
    QLabel* pacijentNaslov = makeLabel(this, QStringLiteral("st_pacijent"),
                                       QStringLiteral("Pacijent:"), ScreenFont::ArialCE10);
    placeInUnits(pacijentNaslov, LabelX, 200, FieldX - LabelX, 90);
    m_pacijent = new SingleLineEdit(QStringLiteral("sle_pacijent"), this);
    setScreenFont(m_pacijent, ScreenFont::ArialCE10);
    placeInUnits(m_pacijent, FieldX, 190, FieldWidth, 100);
    QLabel* opisNaslov = makeLabel(this, QStringLiteral("st_opis"), QStringLiteral("Napomena:"),
                                   ScreenFont::ArialCE10);
    placeInUnits(opisNaslov, LabelX, 340, FieldX - LabelX, 90);
    m_opis = new SingleLineEdit(QStringLiteral("sle_opis"), this);
    setScreenFont(m_opis, ScreenFont::ArialCE10);
    placeInUnits(m_opis, FieldX, 330, FieldWidth, 100);
    pacijentNaslov->setBuddy(m_pacijent);
    opisNaslov->setBuddy(m_opis);

    CommandButton* uredu = makeCommandButton(this, QStringLiteral("cb_uredu"),
                                             QStringLiteral("Uredu"), ScreenFont::ArialCE9Bold);
    placeInUnits(uredu, FieldX, 540, 400, 112);
    CommandButton* odustani = makeCommandButton(
        this, QStringLiteral("cb_odustani"), QStringLiteral("Odustani"), ScreenFont::ArialCE9Bold);
    placeInUnits(odustani, FieldX + FieldWidth - 400, 540, 400, 112);
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("gb_1"));
    placeInUnits(frame, 20, 4, Width - 40, Height - 24);
    frame->lower();
    setFixedSize(size());

    // The completer offers the entries whose surname (the text's start) matches what is typed,
    // letters folded: "Djuric" finds "Đurić".
    QStringList lista = m_nazivi.keys();
    lista.sort(Qt::CaseInsensitive);
    auto* completer = new FoldingCompleter(m_pacijent);
    completer->setObjectName(QStringLiteral("pacijenti"));
    QList<FoldingCompleter::Stavka> stavke;
    for (const QString& naziv : std::as_const(lista))
        stavke << FoldingCompleter::Stavka{naziv, m_nazivi.value(naziv)};
    completer->postaviStavke(stavke);

    if (unos.rbrAdresar)
        m_pacijent->setText(m_nazivi.key(*unos.rbrAdresar));
    m_opis->setText(unos.opis);
    uredu->setDefault(true);
    chainTabOrder({m_pacijent, m_opis, uredu, odustani});
    m_pacijent->setFocus();

    connect(uredu, &QPushButton::clicked, this, &w_zakazivanje_termin::prihvati);
    connect(odustani, &QPushButton::clicked, this,
            [this] { CloseWithReturn(this, QStringLiteral("NE")); });
}

void w_zakazivanje_termin::prihvati() {
    const QString naziv = m_pacijent->text().trimmed();
    std::optional<int> rbr;
    if (!naziv.isEmpty()) {
        // Only an entry of the list: a name typed past it would book nobody in particular.
        const auto it = m_nazivi.constFind(naziv);
        if (it == m_nazivi.constEnd()) {
            // The notice belongs to this modal window, or the window would block its button.
            OpenWithParm<w_obavestenje>(
                QStringLiteral("Pacijent \"%1\" nije u adresaru: izaberite ga sa liste ili "
                               "ostavite polje prazno.")
                    .arg(naziv),
                this);
            m_pacijent->setFocus();
            return;
        }
        rbr = it.value();
    }
    m_unos.rbrAdresar = rbr;
    m_unos.opis = m_opis->text();
    CloseWithReturn(this, QStringLiteral("DA"));
}
