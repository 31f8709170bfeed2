#include "ui/addressbook/obj_slova.h"

#include "runtime/widgets/command_button.h"
#include "runtime/widgets/factories.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/picture_list.h"
#include "runtime/widgets/units.h"

#include <QPushButton>

namespace {

// Layout in window units, relative to the bar.
constexpr int LetterWidth = 110;
constexpr int LetterHeight = 88;
constexpr int SecondRowY = 104;
constexpr int SecondRowHeight = 92;
constexpr int CommandWidth = 400;
constexpr int CommandGap = 20;
constexpr int FilterX = 2840;
constexpr int FilterWidth = 700;
constexpr int StockPictures = 3;

} // namespace

const QList<obj_slova::Slovo>& obj_slova::slova() {
    static const QList<Slovo> letters{
        {"cb_a", "A"}, {"cb_b", "B"},   {"cb_c", "C"},  {"cb_č", "Č"}, {"cb_ć", "Ć"},
        {"cb_d", "D"}, {"cb_dž", "Dž"}, {"cb_đ", "Đ"},  {"cb_e", "E"}, {"cb_f", "F"},
        {"cb_g", "G"}, {"cb_11", "H"},  {"cb_12", "I"}, {"cb_7", "J"}, {"cb_8", "K"},
        {"cb_9", "L"}, {"cb_lj", "Lj"}, {"cb_m", "M"},  {"cb_n", "N"}, {"cb_nj", "Nj"},
        {"cb_o", "O"}, {"cb_p", "P"},   {"cb_r", "R"},  {"cb_s", "S"}, {"cb_š", "Š"},
        {"cb_t", "T"}, {"cb_u", "U"},   {"cb_v", "V"},  {"cb_ž", "Ž"}, {"cb_z", "Z"}};
    return letters;
}

obj_slova::obj_slova(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("uo_slova"));
    napraviDugmad();
    gruupa = QStringLiteral("%");
    for (int picture = 1; picture <= StockPictures; ++picture)
        ddplb_status->addPicture(stockPicture(picture));
}

void obj_slova::napraviDugmad() {
    // Created in the bar's own order: the commands, " SVI ", the letters from Z back to A.
    cb_obrisi = makeCommandButton(this, QStringLiteral("cb_obrisi"), QStringLiteral("OBRIŠI"),
                                  ScreenFont::ArialCE9Bold);
    cb_sacuvaj = makeCommandButton(this, QStringLiteral("cb_sacuvaj"), QStringLiteral("SAČUVAJ"),
                                   ScreenFont::ArialCE9Bold);
    cb_novi = makeCommandButton(this, QStringLiteral("cb_novi"), QStringLiteral("NOVI"),
                                ScreenFont::ArialCE9Bold);
    cb_novi->setProperty("tag", QStringLiteral("otvori novi"));
    cb_svi = makeCommandButton(this, QStringLiteral("cb_svi"), QStringLiteral(" SVI "),
                               ScreenFont::Arial9);
    const QList<Slovo>& letters = slova();
    m_slova.resize(letters.size());
    for (qsizetype i = letters.size() - 1; i >= 0; --i) {
        m_slova[i] =
            makeCommandButton(this, QString::fromUtf8(letters.at(i).control),
                              QString::fromUtf8(letters.at(i).caption), ScreenFont::Arial9);
    }
    ddplb_status = new DropDownPictureList(QStringLiteral("ddplb_status"), this);
    setScreenFont(ddplb_status, ScreenFont::Arial9);

    for (qsizetype i = 0; i < m_slova.size(); ++i)
        placeInUnits(m_slova.at(i), int(i) * LetterWidth, 0, LetterWidth, LetterHeight);
    const int lettersEnd = int(m_slova.size()) * LetterWidth;
    placeInUnits(cb_svi, lettersEnd + CommandGap, 0,
                 FilterX + FilterWidth - lettersEnd - CommandGap, LetterHeight);
    placeInUnits(cb_novi, 0, SecondRowY, CommandWidth, SecondRowHeight);
    placeInUnits(cb_sacuvaj, CommandWidth + CommandGap, SecondRowY, CommandWidth, SecondRowHeight);
    placeInUnits(cb_obrisi, 2 * (CommandWidth + CommandGap), SecondRowY, CommandWidth,
                 SecondRowHeight);
    placeInUnits(ddplb_status, FilterX, SecondRowY, FilterWidth, SecondRowHeight);
    resizeInUnits(this, FilterX + FilterWidth, SecondRowY + SecondRowHeight);

    // Tab order: the letters left to right, " SVI ", then the second row left to right.
    chainTabOrder(QList<QWidget*>(m_slova.begin(), m_slova.end()) +
                  QList<QWidget*>{cb_svi, cb_novi, cb_sacuvaj, cb_obrisi, ddplb_status});

    for (QPushButton* letter : m_slova)
        connect(letter, &QPushButton::clicked, this, [this, letter] { filtriraj(letter->text()); });
    connect(cb_svi, &QPushButton::clicked, this, [this] { filtriraj(QStringLiteral("%")); });
    connect(cb_novi, &QPushButton::clicked, this, &obj_slova::obrisipolja);
    connect(cb_sacuvaj, &QPushButton::clicked, this, &obj_slova::sacuvaj);
    connect(cb_obrisi, &QPushButton::clicked, this, &obj_slova::obrisi);
    connect(ddplb_status, &DropDownPictureList::selectionchanged, this, &obj_slova::izabranFilter);
}

void obj_slova::filtriraj(const QString& slovo) {
    emit filter(slovo, gruupa);
}

void obj_slova::napraviStatusFilter(const Result<QList<adresar_sql::Status>>& statusi) {
    // "Svi" carries the pattern of every status, each status its own name, so that the choice
    // means the same whatever order the items stand in. A read that never opened lists nothing.
    if (statusi.stage != Result<>::Stage::OpenFailed) {
        ddplb_status->insertItem(QStringLiteral("Svi"), 1, 1, QStringLiteral("%"));
        int position = 1;
        for (const adresar_sql::Status& status : statusi.value)
            ddplb_status->insertItem(status.naziv, status.rbr + 1, ++position, status.naziv);
    }
    if (statusi.sqlcode >= 0)
        ddplb_status->selectItem(1);
}

void obj_slova::izabranFilter(int index) {
    // The list is not re-read here: the choice takes effect with the next letter or " SVI ".
    gruupa = ddplb_status->value(index).toString();
}
