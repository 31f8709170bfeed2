// The doctors of the ZAKAZIVANJE page: the picker beside the day's caption, the doctors' window,
// and a day opened from a patient's bookings.
#include "domain/addressbook/adresar_sql.h"
#include "domain/appointments/calendar_rules.h"
#include "domain/appointments/zakazivanje_prikaz.h"
#include "runtime/core/dates.h"
#include "runtime/widgets/calendar_data_window.h"
#include "runtime/widgets/command_button.h"
#include "runtime/widgets/list_data_window.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/message_box.h"
#include "runtime/widgets/units.h"
#include "ui/appointments/tab_zakazivanje.h"
#include "ui/appointments/w_lekari.h"
#include "ui/appointments/w_termini_pacijenta.h"
#include "ui/common/w_obavestenje.h"

#include <QComboBox>

namespace {

// On the group box's top line, over the right half and inside the box: the calendars' captions
// below keep their places. The picker is as wide as one calendar, the two buttons share the width
// of the other.
constexpr int TopY = 22, TopHeight = 84;
constexpr int PickerX = 1830, PickerWidth = 820;
constexpr int ButtonsX = 2710, ButtonsWidth = 820, ButtonGap = 20;

CommandButton* topButton(QWidget* page, const char* name, const QString& text, int x, int width) {
    CommandButton* button =
        makeCommandButton(page, QString::fromLatin1(name), text, ScreenFont::Arial9);
    placeInUnits(button, x, TopY, width, TopHeight);
    // Reached by the mouse and by their keys; Tab keeps the page's own order.
    button->setFocusPolicy(Qt::ClickFocus);
    return button;
}

} // namespace

void tab_zakazivanje::napraviLekare() {
    m_lekar = new QComboBox(this);
    m_lekar->setObjectName(QStringLiteral("ddlb_lekar"));
    setScreenFont(m_lekar, ScreenFont::Arial9);
    placeInUnits(m_lekar, PickerX, TopY, PickerWidth, TopHeight);
    m_lekar->setFocusPolicy(Qt::ClickFocus);
    m_lekar->setToolTip(QStringLiteral("Lekar čiji se dan prikazuje (Ctrl+L)"));
    connect(m_lekar, qOverload<int>(&QComboBox::activated), this, &tab_zakazivanje::izabranLekar);

    const int width = (ButtonsWidth - ButtonGap) / 2;
    m_lekariDugme = topButton(this, "cb_lekari", QStringLiteral("Lekari…"), ButtonsX, width);
    m_lekariDugme->setToolTip(QStringLiteral("Spisak lekara ordinacije"));
    m_stampaj = topButton(this, "cb_stampaj_dan", QStringLiteral("Štampaj dan"),
                          ButtonsX + width + ButtonGap, width);
    m_stampaj->setToolTip(QStringLiteral("Štampaj dan izabranog lekara (Ctrl+P)"));
    connect(m_lekariDugme, &QPushButton::clicked, this, &tab_zakazivanje::urediLekare);
    connect(m_stampaj, &QPushButton::clicked, this, qOverload<>(&tab_zakazivanje::stampajDan));
    for (QWidget* control : {static_cast<QWidget*>(m_lekar), static_cast<QWidget*>(m_lekariDugme),
                             static_cast<QWidget*>(m_stampaj)})
        control->raise(); // over the group box's frame line
}

int tab_zakazivanje::izabraniLekar() const {
    return m_rbrLekara;
}

void tab_zakazivanje::ucitajLekare() {
    if (!m_sqlca)
        return;
    const Result<QList<lekar_sql::Lekar>> lekari = lekar_sql::lekari(*m_sqlca);
    if (lekari.failed()) {
        reportReadFailure(lekari);
        return;
    }
    m_lekari = lekari.value;
    m_lekar->clear();
    for (const lekar_sql::Lekar& lekar : std::as_const(m_lekari))
        m_lekar->addItem(lekar.naziv, lekar.rbr);
    // The doctor picked stays picked; else the first one, whose day the page showed always.
    int index = m_lekar->findData(m_rbrLekara);
    if (index < 0)
        index = m_lekari.isEmpty() ? -1 : 0;
    m_lekar->setCurrentIndex(index);
    m_rbrLekara = index < 0 ? 0 : m_lekari.at(index).rbr;
}

void tab_zakazivanje::izabranLekar(int index) {
    if (index < 0 || index >= m_lekari.size() || m_lekari.at(index).rbr == m_rbrLekara)
        return;
    m_rbrLekara = m_lekari.at(index).rbr;
    procitajDan();
}

void tab_zakazivanje::urediLekare() {
    if (!m_sqlca)
        return;
    auto* prozor = new w_lekari(*m_sqlca, window());
    openWindow(prozor);
    ucitajLekare();
    procitajDan();
}

void tab_zakazivanje::prikaziDan(int rbrLekar, const QDate& dan, const QTime& vreme) {
    if (m_lekar->findData(rbrLekar) < 0)
        ucitajLekare();
    const int index = m_lekar->findData(rbrLekar);
    if (index >= 0) {
        m_lekar->setCurrentIndex(index);
        m_rbrLekara = rbrLekar;
    }
    pokaziDanUKalendaru(dan);
    m_izabraniDan = dan;
    procitajDan();
    if (const int red = zakazivanje_prikaz::redTermina(vreme); red >= 0)
        m_daySheet->setRow(red + 1);
    m_daySheet->setFocus();
}

void tab_zakazivanje::terminiPacijenta(int rbrAdresar) {
    if (!m_sqlca)
        return;
    if (rbrAdresar <= 0) {
        w_obavestenje::obavesti(QStringLiteral("Prvo izaberite pacijenta."));
        return;
    }
    const Result<QList<AdresarUnos>> unos = adresar_sql::unos(*m_sqlca, rbrAdresar);
    if (unos.failed()) {
        reportReadFailure(unos);
        return;
    }
    if (unos.value.isEmpty()) {
        w_obavestenje::obavesti(QStringLiteral("Ovaj pacijent više nije u adresaru."));
        return;
    }
    const QString ime =
        QStringLiteral("%1 %2").arg(unos.value.first().prezime, unos.value.first().ime);
    auto* prozor = new w_termini_pacijenta(*m_sqlca, rbrAdresar, ime.trimmed(), window());
    connect(prozor, &w_termini_pacijenta::otvoriDan, this,
            [this](int rbrLekar, const QDate& dan, const QTime& vreme) {
                emit pokaziMe();
                prikaziDan(rbrLekar, dan, vreme);
            });
    openWindow(prozor);
}
