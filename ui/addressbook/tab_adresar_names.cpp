#include "ui/addressbook/tab_adresar_names.h"

#include "runtime/widgets/accessible_names.h"

#include <QLabel>
#include <QWidget>

namespace {

struct Pair {
    const char* caption;
    const char* field;
};

constexpr Pair Personal[] = {
    {"st_ime1", "sle_ime1"},  {"st_prezime1", "sle_prezime"}, {"st_mb1", "sle_mbr"},
    {"st_6", "ddplb_status"}, {"st_1", "sle_ulica1"},         {"st_3", "sle_grad1"},
    {"st_68", "sle_telefon"}, {"st_133", "sle_mob_tel"},      {"st_134", "sle_fax"},
    {"st_135", "sle_email"},  {"st_7", "mle_napomena"},
};

constexpr Pair Work[] = {
    {"st_209", "sle_firma"},  {"st_203", "sle_dept"},       {"st_5", "sle_p_ulica"},
    {"st_204", "sle_p_grad"}, {"st_205", "sle_p_telefon1"}, {"st_206", "sle_p_telefon2"},
    {"st_207", "sle_p_fax"},  {"st_208", "sle_p_email"},
};

} // namespace

void nameAddressBookControls(QWidget* page) {
    // The form's status list, not the editor bar's filter of the same name.
    QWidget* form = page;
    for (const Pair& pair : Personal) {
        auto* caption =
            form->findChild<QLabel*>(QString::fromUtf8(pair.caption), Qt::FindDirectChildrenOnly);
        auto* field =
            form->findChild<QWidget*>(QString::fromUtf8(pair.field), Qt::FindDirectChildrenOnly);
        captionControl(caption, field);
    }
    for (const Pair& pair : Work)
        captionControl(page, pair.caption, pair.field, QStringLiteral("Adresa na poslu: "));
    nameControl(page, "sle_sslovo", QStringLiteral("Srednje slovo"));
    nameControl(page, "dw_pretraga", QStringLiteral("Adresar"));
    // The editor bar: its buttons read their captions; the filter has none beside it.
    QWidget* bar = namedChild(page, "uo_slova");
    nameControl(bar, "ddplb_status", QStringLiteral("Prikaži status"));
}
