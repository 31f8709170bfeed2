#include "ui/search/obj_pretrazivanje.h"

#include "runtime/core/dates.h"
#include "runtime/widgets/controls.h"
#include "runtime/widgets/drop_down_list.h"
#include "runtime/widgets/factories.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/units.h"

#include <QLabel>

namespace {

constexpr int FirstYear = 1995;
constexpr int RowHeight = 92; // a list or the text box
constexpr int LabelHeight = 72;

// A caption that paints the panel's colour behind its text.
QLabel* makeCaption(QWidget* parent, const QString& name, const QString& text,
                    ScreenFont font = ScreenFont::Arial9) {
    QLabel* label = makeLabel(parent, name, text, font);
    label->setAutoFillBackground(true);
    return label;
}

DropDownListBox* makeList(const QString& name, bool sorted, const QStringList& items,
                          QWidget* parent, ScreenFont font = ScreenFont::Arial9) {
    auto* list = new DropDownListBox(name, sorted, parent);
    setScreenFont(list, font);
    for (const QString& item : items)
        list->addItem(item);
    return list;
}

// Fixes a control's own colours, so that the panel's colour does not flow into it.
void keepOwnColours(QWidget* widget) {
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, palette.color(role));
    widget->setPalette(palette);
}

} // namespace

obj_pretrazivanje::obj_pretrazivanje(const QString& name, QWidget* parent) : QFrame(parent) {
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAutoFillBackground(true);
    build();
    arrange();
    preselect();
    povezi();
}

QStringList obj_pretrazivanje::godine() {
    QStringList years;
    for (int year = FirstYear; year <= qMax(FirstYear, Today().year()); ++year)
        years << QString::number(year);
    return years;
}

void obj_pretrazivanje::prosiriGodine(int prva) {
    for (DropDownListBox* lista : {m_pocetna, m_krajnja}) {
        const int izabrana = lista->currentIndex();
        const int pocetak = lista->itemText(0).toInt();
        int dodato = 0;
        for (int godina = pocetak - 1; godina >= prva; --godina, ++dodato)
            lista->insertItem(0, QString::number(godina));
        if (izabrana >= 0 && dodato > 0)
            lista->setCurrentIndex(izabrana + dodato);
    }
}

void obj_pretrazivanje::build() {
    m_sle1 = new SingleLineEdit(QStringLiteral("sle_1"), this);
    setScreenFont(m_sle1, ScreenFont::ArialCE9);
    m_opseg = makeCaption(this, QStringLiteral("st_opseg"), QStringLiteral("Prikaži po"),
                          ScreenFont::ArialCE9);
    m_do = makeCaption(this, QStringLiteral("st_do"), QStringLiteral("Do"));
    m_od = makeCaption(this, QStringLiteral("st_od"), QStringLiteral("Od"));
    m_pocetna = makeList(QStringLiteral("pocetna_godina"), true, godine(), this);
    m_pocetna->setProperty("tag", QStringLiteral("Početna godina"));
    m_krajnja = makeList(QStringLiteral("krajnja_godina"), true, godine(), this);
    m_krajnja->setProperty("tag", QStringLiteral("Krajnja godinas"));
    m_prikaz = makeList(
        QStringLiteral("opseg_za_prikazivanje"), false,
        {QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("50"), QStringLiteral("100")},
        this);
    m_prikaz->setProperty("tag", QStringLiteral("Prikaži po "));
    m_opsti1 = makeCaption(this, QStringLiteral("opsti_podaci_1"), QStringLiteral("Opšti podaci"));
    m_opsti2 = makeCaption(this, QStringLiteral("opsti_podaci_2"), QStringLiteral("Pregled"));
    m_opsti3 = makeCaption(this, QStringLiteral("opsti_podaci_3"), QStringLiteral("Lab analize"));
    m_opstiPodaci = makeList(QStringLiteral("ddlb_opsti_podaci"), false,
                             {QStringLiteral("Ime"), QStringLiteral("Prezime"),
                              QStringLiteral("Starost"), QStringLiteral("Grad")},
                             this);
    m_pregled = makeList(QStringLiteral("ddlb_2"), false,
                         {QStringLiteral("Dg"), QStringLiteral("Porodična anamneza"),
                          QStringLiteral("Lična anamneza"), QStringLiteral("Navike"),
                          QStringLiteral("Lekar")},
                         this);
    m_anamneza = makeList(QStringLiteral("ddlb_anmneza"), true,
                          {QStringLiteral("Biohemija"), QStringLiteral("Hematologija"),
                           QStringLiteral("Urin"), QStringLiteral("Leukocitarna formula")},
                          this);
    m_vrednost = makeCaption(this, QStringLiteral("st_vrednost"), QStringLiteral("Vrednost"));
    m_klasa = makeList(QStringLiteral("ddlb_3"), false,
                       {QStringLiteral("sve"), QStringLiteral("normalna"), QStringLiteral("veće"),
                        QStringLiteral("manje")},
                       this, ScreenFont::ArialCE9);
    for (QWidget* control : std::initializer_list<QWidget*>{
             m_sle1, m_pocetna, m_krajnja, m_prikaz, m_opstiPodaci, m_pregled, m_anamneza, m_klasa})
        keepOwnColours(control);
}

void obj_pretrazivanje::arrange() {
    // Three columns: text box and year range, the three field lists, the value class.
    placeInUnits(m_sle1, 40, 30, 1110, RowHeight);
    placeInUnits(m_od, 40, 150, 340, LabelHeight);
    placeInUnits(m_do, 410, 150, 340, LabelHeight);
    placeInUnits(m_opseg, 780, 150, 370, LabelHeight);
    placeInUnits(m_pocetna, 40, 230, 340, RowHeight);
    placeInUnits(m_krajnja, 410, 230, 340, RowHeight);
    placeInUnits(m_prikaz, 780, 230, 370, RowHeight);
    const int rows[] = {30, 130, 230};
    QLabel* labels[] = {m_opsti1, m_opsti2, m_opsti3};
    DropDownListBox* lists[] = {m_opstiPodaci, m_pregled, m_anamneza};
    for (int i = 0; i < 3; ++i) {
        placeInUnits(labels[i], 1250, rows[i] + 10, 440, LabelHeight);
        placeInUnits(lists[i], 1700, rows[i], 760, RowHeight);
    }
    placeInUnits(m_vrednost, 2560, 40, 400, LabelHeight);
    placeInUnits(m_klasa, 2560, 130, 400, RowHeight);
    chainTabOrder(
        {m_sle1, m_pocetna, m_krajnja, m_prikaz, m_opstiPodaci, m_pregled, m_anamneza, m_klasa});
}

QWidget* obj_pretrazivanje::firstInTabOrder() const {
    return m_sle1;
}

QWidget* obj_pretrazivanje::lastInTabOrder() const {
    return m_klasa;
}

void obj_pretrazivanje::preselect() {
    const QString year = Today().toString(QStringLiteral("yyyy"));
    m_pocetna->selectItem(QString::number(year.toInt() - 1), 1);
    m_krajnja->selectItem(year, 1);
    m_prikaz->selectItem(1);
    m_opstiPodaci->selectItem(1);
    m_pregled->selectItem(1);
    m_anamneza->selectItem(1);
    m_klasa->selectItem(2);
}

void obj_pretrazivanje::promena_boje(long boja) {
    const QColor colour = toQColor(boja);
    for (QWidget* widget : std::initializer_list<QWidget*>{this, m_opsti1, m_opsti2, m_opsti3, m_od,
                                                           m_do, m_opseg, m_vrednost}) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, colour);
        widget->setPalette(palette);
    }
}
