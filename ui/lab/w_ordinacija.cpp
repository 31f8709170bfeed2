#include "ui/lab/w_ordinacija.h"

#include "domain/lab/ordinacija_sql.h"
#include "runtime/widgets/command_button.h"
#include "runtime/widgets/controls.h"
#include "runtime/widgets/factories.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/message_box.h"
#include "runtime/widgets/units.h"
#include "ui/common/pokazi_ishod.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>

namespace {

constexpr int Width = 1900, Height = 760;
constexpr int LabelX = 60, FieldX = 440, FieldWidth = 1380;

} // namespace

w_ordinacija::w_ordinacija(Transaction& sqlca, QWidget* parent)
    : Window(Type::Response, QSize(Width, Height), parent ? parent : QApplication::activeWindow()),
      m_sqlca(sqlca) {
    setObjectName(QStringLiteral("w_ordinacija"));
    setWindowTitle(QStringLiteral("Podaci ordinacije"));
    useButtonFace(this);

    const struct {
        const char* naslov;
        const char* polje;
        const char* tekst;
        QLineEdit** edit;
    } polja[] = {{"st_naziv", "sle_naziv", "Naziv:", &m_naziv},
                 {"st_adresa", "sle_adresa", "Adresa:", &m_adresa},
                 {"st_telefon", "sle_telefon", "Telefon:", &m_telefon}};
    int y = 60;
    for (const auto& p : polja) {
        QLabel* naslov = makeLabel(this, QString::fromLatin1(p.naslov), QString::fromUtf8(p.tekst),
                                   ScreenFont::ArialCE10);
        placeInUnits(naslov, LabelX, y + 10, FieldX - LabelX, 90);
        *p.edit = new SingleLineEdit(QString::fromLatin1(p.polje), this);
        setScreenFont(*p.edit, ScreenFont::ArialCE10);
        placeInUnits(*p.edit, FieldX, y, FieldWidth, 100);
        naslov->setBuddy(*p.edit);
        y += 140;
    }

    CommandButton* upisi = makeCommandButton(this, QStringLiteral("cb_sacuvaj"),
                                             QStringLiteral("Sačuvaj"), ScreenFont::ArialCE9Bold);
    placeInUnits(upisi, FieldX, 540, 400, 112);
    CommandButton* odustani = makeCommandButton(
        this, QStringLiteral("cb_odustani"), QStringLiteral("Odustani"), ScreenFont::ArialCE9Bold);
    placeInUnits(odustani, FieldX + FieldWidth - 400, 540, 400, 112);
    auto* okvir = new QGroupBox(this);
    okvir->setObjectName(QStringLiteral("gb_1"));
    placeInUnits(okvir, 20, 4, Width - 40, Height - 24);
    okvir->lower();
    setFixedSize(size());
    upisi->setDefault(true);
    chainTabOrder({m_naziv, m_adresa, m_telefon, upisi, odustani});
    m_naziv->setFocus();

    connect(upisi, &QPushButton::clicked, this, [this] {
        if (sacuvaj())
            Close(this);
    });
    connect(odustani, &QPushButton::clicked, this, [this] { Close(this); });

    const Result<QList<ordinacija_sql::Ordinacija>> sada = ordinacija_sql::procitaj(m_sqlca);
    reportReadFailure(sada);
    if (!sada.value.isEmpty()) {
        const ordinacija_sql::Ordinacija& o = sada.value.first();
        m_naziv->setText(o.naziv);
        m_adresa->setText(o.adresa);
        m_telefon->setText(o.telefon);
        m_verzija = o.verzija;
    }
}

void w_ordinacija::otvori(Transaction& sqlca, QWidget* parent) {
    Open<w_ordinacija>(sqlca, parent);
}

bool w_ordinacija::sacuvaj() {
    const Result<Ishod> ishod = ordinacija_sql::sacuvaj(
        m_sqlca, {m_naziv->text(), m_adresa->text(), m_telefon->text(), m_verzija});
    if (!pokaziIshod(ishod, this))
        return false;
    m_verzija = ishod.value.verzija;
    return true;
}
