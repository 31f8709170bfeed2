#include "ui/appointments/w_zakazivanje_termin.h"

#include "domain/appointments/zakazivanje_prikaz.h"
#include "runtime/widgets/command_button.h"
#include "runtime/widgets/controls.h"
#include "runtime/widgets/factories.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/units.h"
#include "ui/common/folding_completer.h"
#include "ui/common/w_da_ne.h"
#include "ui/common/w_obavestenje.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>

namespace {

constexpr int Width = 1800, Height = 880;
constexpr int LabelX = 60, FieldX = 440, FieldWidth = 1300, Gap = 20;

} // namespace

w_zakazivanje_termin::w_zakazivanje_termin(const QString& naslov,
                                           const QList<zakazivanje_sql::Pacijent>& pacijenti,
                                           TerminUnos& unos, bool noviPacijent, QWidget* parent)
    : Window(Type::Response, QSize(Width, Height), parent ? parent : QApplication::activeWindow()),
      m_unos(unos), m_pacijenti(pacijenti),
      m_nazivi(zakazivanje_prikaz::naziviPacijenata(pacijenti)) {
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
    // A patient who phones for the first time: surname, name and telephone, for a new booking.
    QLabel* noviNaslov = makeLabel(this, QStringLiteral("st_novi"),
                                   QStringLiteral("Novi pacijent:"), ScreenFont::ArialCE10);
    placeInUnits(noviNaslov, LabelX, 340, FieldX - LabelX, 90);
    const int sirina = (FieldWidth - 2 * Gap) / 3;
    auto novo = [&](const char* ime, const QString& opis, int kolona) {
        auto* edit = new SingleLineEdit(QString::fromLatin1(ime), this);
        setScreenFont(edit, ScreenFont::ArialCE10);
        placeInUnits(edit, FieldX + kolona * (sirina + Gap), 330, sirina, 100);
        edit->setPlaceholderText(opis);
        edit->setAccessibleName(QStringLiteral("Novi pacijent: %1").arg(opis));
        edit->setEnabled(noviPacijent);
        return edit;
    };
    m_noviPrezime = novo("sle_novi_prezime", QStringLiteral("prezime"), 0);
    m_noviIme = novo("sle_novi_ime", QStringLiteral("ime"), 1);
    m_noviTelefon = novo("sle_novi_telefon", QStringLiteral("telefon"), 2);
    noviNaslov->setBuddy(m_noviPrezime);
    noviNaslov->setEnabled(noviPacijent);

    QLabel* opisNaslov = makeLabel(this, QStringLiteral("st_opis"), QStringLiteral("Napomena:"),
                                   ScreenFont::ArialCE10);
    placeInUnits(opisNaslov, LabelX, 480, FieldX - LabelX, 90);
    m_opis = new SingleLineEdit(QStringLiteral("sle_opis"), this);
    setScreenFont(m_opis, ScreenFont::ArialCE10);
    placeInUnits(m_opis, FieldX, 470, FieldWidth, 100);
    pacijentNaslov->setBuddy(m_pacijent);
    opisNaslov->setBuddy(m_opis);

    CommandButton* uredu = makeCommandButton(this, QStringLiteral("cb_uredu"),
                                             QStringLiteral("Uredu"), ScreenFont::ArialCE9Bold);
    placeInUnits(uredu, FieldX, 680, 400, 112);
    CommandButton* odustani = makeCommandButton(
        this, QStringLiteral("cb_odustani"), QStringLiteral("Odustani"), ScreenFont::ArialCE9Bold);
    placeInUnits(odustani, FieldX + FieldWidth - 400, 680, 400, 112);
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
    chainTabOrder({m_pacijent, m_noviPrezime, m_noviIme, m_noviTelefon, m_opis, uredu, odustani});
    m_pacijent->setFocus();

    connect(uredu, &QPushButton::clicked, this, &w_zakazivanje_termin::prihvati);
    connect(odustani, &QPushButton::clicked, this, [this] { Close(this); });
}

bool w_zakazivanje_termin::noviSePoklapa(const zakazivanje_upis::NoviPacijent& novi) const {
    for (const zakazivanje_sql::Pacijent& p : m_pacijenti)
        if (p.prezime.compare(novi.prezime, Qt::CaseInsensitive) == 0 &&
            p.ime.compare(novi.ime, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

void w_zakazivanje_termin::prihvati() {
    // The notices belong to this modal window, or the window would block their button.
    auto obavesti = [this](const QString& tekst, QWidget* polje) {
        w_obavestenje::obavesti(tekst, this);
        polje->setFocus();
    };
    const QString naziv = m_pacijent->text().trimmed();
    const zakazivanje_upis::NoviPacijent novi{m_noviPrezime->text().trimmed(),
                                              m_noviIme->text().trimmed(),
                                              m_noviTelefon->text().trimmed()};
    const bool noviUpisan =
        !novi.prezime.isEmpty() || !novi.ime.isEmpty() || !novi.telefon.isEmpty();
    std::optional<int> rbr;
    if (noviUpisan) {
        if (!naziv.isEmpty())
            return obavesti(QStringLiteral("Izaberite pacijenta iz adresara ili upišite novog, ne "
                                           "oba."),
                            m_pacijent);
        if (novi.prezime.isEmpty() || novi.ime.isEmpty())
            return obavesti(QStringLiteral("Za novog pacijenta upišite prezime i ime."),
                            novi.prezime.isEmpty() ? m_noviPrezime : m_noviIme);
        // One more entry for someone already there would be a duplicate nobody can remove.
        if (noviSePoklapa(novi) &&
            !w_da_ne::pitaj(QStringLiteral("U adresaru već postoji %1 %2. Da li ipak upisujete "
                                           "novog pacijenta?")
                                .arg(novi.prezime, novi.ime)))
            return;
    } else if (!naziv.isEmpty()) {
        // Only an entry of the list: a name typed past it would book nobody in particular.
        const auto it = m_nazivi.constFind(naziv);
        if (it == m_nazivi.constEnd())
            return obavesti(
                QStringLiteral("Pacijent \"%1\" nije u adresaru: izaberite ga sa liste, "
                               "upišite ga kao novog pacijenta ili ostavite polje "
                               "prazno.")
                    .arg(naziv),
                m_pacijent);
        rbr = it.value();
    }
    m_unos.rbrAdresar = rbr;
    m_unos.opis = m_opis->text();
    m_unos.novi = noviUpisan ? std::optional(novi) : std::nullopt;
    m_unos.prihvacen = true;
    Close(this);
}
