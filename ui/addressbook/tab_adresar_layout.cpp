// Builds the ADRESAR page's controls in their creation order and places them in window units.
#include "ui/addressbook/tab_adresar.h"

#include "runtime/widgets/controls.h"
#include "runtime/widgets/factories.h"
#include "runtime/widgets/list_data_window.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/multi_line_edit.h"
#include "runtime/widgets/picture_list.h"
#include "runtime/widgets/units.h"
#include "runtime/widgets/visible_width.h"
#include "ui/addressbook/obj_slova.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace {

// Two columns under the editor bar: the personal and home groups on the left, the list and the
// work group on the right; the note runs across the page below them.
constexpr int Left = 30;
constexpr int Right = 1830;
constexpr int ColumnWidth = 1740;
constexpr int LabelOffset = 50;
constexpr int LabelWidth = 420;
constexpr int FieldOffset = 480;
constexpr int FieldWidth = 1200;
constexpr int FieldHeight = 84;

constexpr int BarY = 20;
constexpr int TopY = 236;
constexpr int GroupsBottom = 1880;
constexpr int GroupGap = 20;
constexpr int TitleSpace = 104; // room for a group's title above its first row
constexpr int BottomSpace = 36;

// Rows of the left column: five personal and six home rows share its height.
constexpr int LeftPitch = 124;
constexpr int PersonalHeight = 60 + 4 * LeftPitch + FieldHeight + BottomSpace;
constexpr int HomeY = TopY + PersonalHeight + GroupGap;
constexpr int HomeHeight = GroupsBottom - HomeY;
constexpr int HomePitch = (HomeHeight - TitleSpace - FieldHeight - BottomSpace) / 5;

// Rows of the right column: the list beside the personal group, the eight work rows beside the six
// home rows, in a group of the same height.
constexpr int WorkY = HomeY;
constexpr int WorkHeight = HomeHeight;
constexpr int WorkPitch = (WorkHeight - TitleSpace - FieldHeight - BottomSpace) / 7;
constexpr int ListHeight = PersonalHeight;

constexpr int NoteY = GroupsBottom + 24;
constexpr int NoteHeight = 250;

int personalRow(int row) {
    return TopY + 60 + row * LeftPitch;
}

int homeRow(int row) {
    return HomeY + TitleSpace + row * HomePitch;
}

int workRow(int row) {
    return WorkY + TitleSpace + row * WorkPitch;
}

// Labels sit level with their field's text.
constexpr int LabelDrop = 6;

} // namespace

QLabel* tab_adresar::labela(const char* name, const QString& text) {
    return makeLabel(this, QString::fromUtf8(name), text, ScreenFont::ArialCE9);
}

SingleLineEdit* tab_adresar::polje(const char* name) {
    auto* edit = new SingleLineEdit(QString::fromUtf8(name), this);
    setScreenFont(edit, ScreenFont::ArialCE9);
    stopAtVisibleWidth(edit);
    return edit;
}

void tab_adresar::napraviKontrole() {
    auto place = [](QWidget* widget, int x, int y, int width, int height) {
        placeInUnits(widget, x, y, width, height);
    };
    auto placeLabel = [&](QWidget* label, int x, int row) {
        place(label, x + LabelOffset, row + LabelDrop, LabelWidth, FieldHeight - LabelDrop);
    };
    auto placeField = [&](QWidget* field, int x, int row, int width = FieldWidth) {
        place(field, x + FieldOffset, row, width, FieldHeight);
    };

    sle_rbr = new SingleLineEdit(QStringLiteral("sle_rbr"), this);
    sle_rbr->setText(QStringLiteral("0"));
    sle_rbr->setReadOnly(true);
    sle_rbr->setVisible(false);
    rb_zenski = new QRadioButton(QStringLiteral("Ženski"), this);
    rb_zenski->setObjectName(QStringLiteral("rb_zenski"));
    rb_muski = new QRadioButton(QStringLiteral("Muški"), this);
    rb_muski->setObjectName(QStringLiteral("rb_muski"));
    auto* pol = new QButtonGroup(this);
    pol->addButton(rb_zenski);
    pol->addButton(rb_muski);
    for (QRadioButton* button : {rb_zenski, rb_muski})
        setScreenFont(button, ScreenFont::ArialCE9);
    QLabel* st_8 = labela("st_8", QStringLiteral("Pol:"));
    sle_ime1 = polje("sle_ime1");
    QLabel* st_ime1 = labela("st_ime1", QStringLiteral("Ime:"));
    QLabel* st_prezime1 = labela("st_prezime1", QStringLiteral("Prezime:"));
    sle_prezime = polje("sle_prezime");
    QLabel* st_mb1 = labela("st_mb1", QStringLiteral("Matični broj:"));
    sle_sslovo = polje("sle_sslovo");
    SingleLineEdit* sle_ulica1 = polje("sle_ulica1");
    QLabel* st_1 = labela("st_1", QStringLiteral("Ulica:"));
    QLabel* st_3 = labela("st_3", QStringLiteral("Grad:"));
    SingleLineEdit* sle_grad1 = polje("sle_grad1");
    QLabel* st_68 = labela("st_68", QStringLiteral("telefon:"));
    SingleLineEdit* sle_telefon = polje("sle_telefon");
    QLabel* st_133 = labela("st_133", QStringLiteral("mob.tel.:"));
    SingleLineEdit* sle_mob_tel = polje("sle_mob_tel");
    QLabel* st_134 = labela("st_134", QStringLiteral("fax:"));
    SingleLineEdit* sle_fax = polje("sle_fax");
    QLabel* st_135 = labela("st_135", QStringLiteral("e-mail:"));
    SingleLineEdit* sle_email = polje("sle_email");
    QLabel* st_203 = labela("st_203", QStringLiteral("dept.:"));
    QLabel* st_204 = labela("st_204", QStringLiteral("Grad:"));
    QLabel* st_205 = labela("st_205", QStringLiteral("telefon:"));
    QLabel* st_206 = labela("st_206", QStringLiteral("telefon:"));
    QLabel* st_207 = labela("st_207", QStringLiteral("fax:"));
    QLabel* st_208 = labela("st_208", QStringLiteral("e-mail:"));
    SingleLineEdit* sle_p_email = polje("sle_p_email");
    SingleLineEdit* sle_p_fax = polje("sle_p_fax");
    SingleLineEdit* sle_p_telefon2 = polje("sle_p_telefon2");
    SingleLineEdit* sle_p_telefon1 = polje("sle_p_telefon1");
    SingleLineEdit* sle_p_grad = polje("sle_p_grad");
    SingleLineEdit* sle_dept = polje("sle_dept");
    SingleLineEdit* sle_firma = polje("sle_firma");
    QLabel* st_209 = labela("st_209", QStringLiteral("Firma"));
    SingleLineEdit* sle_p_ulica = polje("sle_p_ulica");
    QLabel* st_5 = labela("st_5", QStringLiteral("Ulica:"));
    QLabel* st_6 = labela("st_6", QStringLiteral("Status:"));
    ddplb_status = new DropDownPictureList(QStringLiteral("ddplb_status"), this);
    setScreenFont(ddplb_status, ScreenFont::ArialCE9);
    dw_pretraga = new ListDataWindow(QStringLiteral("dw_pretraga"), this);
    setScreenFont(dw_pretraga, ScreenFont::ArialCE9);
    dw_pretraga->setDataObject(QStringLiteral("dw_pretraga_adresar"));
    mle_napomena = new MultiLineEdit(QStringLiteral("mle_napomena"), this);
    setScreenFont(mle_napomena, ScreenFont::ArialCE9);
    QLabel* st_7 = labela("st_7", QStringLiteral("Napomena:"));
    gb_imeiprezime1 = new QGroupBox(this);
    gb_imeiprezime1->setObjectName(QStringLiteral("gb_imeiprezime1"));
    gb_2 = new QGroupBox(QStringLiteral("Kućna adresa"), this);
    gb_2->setObjectName(QStringLiteral("gb_2"));
    gb_33 = new QGroupBox(QStringLiteral("Adresa na poslu"), this);
    gb_33->setObjectName(QStringLiteral("gb_33"));
    for (QGroupBox* group : {gb_imeiprezime1, gb_2, gb_33}) {
        setScreenFont(group, ScreenFont::ArialCE9Bold);
        group->lower(); // a frame behind its fields, not a cover over them
    }
    sle_mbr = polje("sle_mbr");
    uo_slova = new obj_slova(this);

    // Placement.
    moveInUnits(uo_slova, Left, BarY);
    place(gb_imeiprezime1, Left, TopY, ColumnWidth, PersonalHeight);
    placeLabel(st_ime1, Left, personalRow(0));
    placeField(sle_ime1, Left, personalRow(0), FieldWidth - 150);
    place(sle_sslovo, Left + FieldOffset + FieldWidth - 120, personalRow(0), 120, FieldHeight);
    placeLabel(st_prezime1, Left, personalRow(1));
    placeField(sle_prezime, Left, personalRow(1));
    placeLabel(st_mb1, Left, personalRow(2));
    placeField(sle_mbr, Left, personalRow(2), 760);
    placeLabel(st_8, Left, personalRow(3));
    placeField(rb_zenski, Left, personalRow(3), 440);
    place(rb_muski, Left + FieldOffset + 480, personalRow(3), 440, FieldHeight);
    placeLabel(st_6, Left, personalRow(4));
    placeField(ddplb_status, Left, personalRow(4), 820);

    place(gb_2, Left, HomeY, ColumnWidth, HomeHeight);
    const QList<std::pair<QLabel*, SingleLineEdit*>> home{
        {st_1, sle_ulica1},    {st_3, sle_grad1}, {st_68, sle_telefon},
        {st_133, sle_mob_tel}, {st_134, sle_fax}, {st_135, sle_email}};
    for (qsizetype i = 0; i < home.size(); ++i) {
        placeLabel(home.at(i).first, Left, homeRow(int(i)));
        placeField(home.at(i).second, Left, homeRow(int(i)));
    }

    place(dw_pretraga, Right, TopY + 16, ColumnWidth, ListHeight - 16);
    place(gb_33, Right, WorkY, ColumnWidth, WorkHeight);
    const QList<std::pair<QLabel*, SingleLineEdit*>> work{
        {st_209, sle_firma},  {st_203, sle_dept},       {st_5, sle_p_ulica},
        {st_204, sle_p_grad}, {st_205, sle_p_telefon1}, {st_206, sle_p_telefon2},
        {st_207, sle_p_fax},  {st_208, sle_p_email}};
    for (qsizetype i = 0; i < work.size(); ++i) {
        placeLabel(work.at(i).first, Right, workRow(int(i)));
        placeField(work.at(i).second, Right, workRow(int(i)));
    }

    place(st_7, Left + LabelOffset, NoteY + LabelDrop, LabelWidth, FieldHeight);
    place(mle_napomena, Left + FieldOffset, NoteY, Right + ColumnWidth - Left - FieldOffset,
          NoteHeight);

    m_textFields = {{sle_ime1, &AdresarUnos::ime},
                    {sle_sslovo, &AdresarUnos::s_slovo},
                    {sle_prezime, &AdresarUnos::prezime},
                    {sle_mbr, &AdresarUnos::mbr},
                    {sle_ulica1, &AdresarUnos::ulica},
                    {sle_grad1, &AdresarUnos::grad},
                    {sle_telefon, &AdresarUnos::telefon},
                    {sle_mob_tel, &AdresarUnos::mob_telefon},
                    {sle_fax, &AdresarUnos::fax},
                    {sle_email, &AdresarUnos::email},
                    {sle_firma, &AdresarUnos::firma},
                    {sle_dept, &AdresarUnos::dept},
                    {sle_p_ulica, &AdresarUnos::p_ulica},
                    {sle_p_grad, &AdresarUnos::p_grad},
                    {sle_p_telefon1, &AdresarUnos::p_telefon1},
                    {sle_p_telefon2, &AdresarUnos::p_telefon2},
                    {sle_p_fax, &AdresarUnos::p_fax},
                    {sle_p_email, &AdresarUnos::p_email}};

    // Tab order: the editor bar, the list, then the form top to bottom, left column first.
    QList<QWidget*> order{uo_slova->ddplb_status,
                          dw_pretraga,
                          sle_ime1,
                          sle_sslovo,
                          sle_prezime,
                          sle_mbr,
                          rb_zenski,
                          rb_muski,
                          ddplb_status};
    for (const auto& [label, field] : home)
        order << field;
    for (const auto& [label, field] : work)
        order << field;
    order << mle_napomena;
    chainTabOrder(order);
}
