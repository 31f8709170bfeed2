#include "ui/reception/polja_forme.h"

#include "domain/reception/polja_posete.h"
#include "runtime/widgets/deferred_build.h"
#include "runtime/widgets/multi_line_edit.h"
#include "ui/common/obj_da_ne.h"
#include "ui/common/obj_da_ne_opis.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace polja_forme {

namespace {

bool uToglu(const QWidget* widget) {
    const QWidget* parent = widget->parentWidget();
    return qobject_cast<const obj_da_ne*>(parent) || qobject_cast<const obj_da_ne_opis*>(parent);
}

// A drop-down's own line edit belongs to the drop-down, not to the form.
bool deoPadajuceListe(const QWidget* widget) {
    return qobject_cast<const QComboBox*>(widget->parentWidget()) != nullptr;
}

bool jePolje(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QCheckBox*>(widget) || qobject_cast<const QComboBox*>(widget);
}

QString vrednost(const QWidget* widget) {
    if (auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    if (auto* edit = qobject_cast<const QPlainTextEdit*>(widget)) {
        // toPlainText() would turn a no-break space into a plain one and a line separator into a
        // line break; the raw text keeps both and marks only the paragraphs, the typed breaks.
        QString tekst = edit->document()->toRawText();
        tekst.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        return tekst;
    }
    if (auto* box = qobject_cast<const QCheckBox*>(widget))
        return box->isChecked() ? QString::fromLatin1(Oznaceno) : QString();
    if (auto* list = qobject_cast<const QComboBox*>(widget))
        return list->currentIndex() >= 0 || list->isEditable() ? list->currentText() : QString();
    return {};
}

void postaviVrednost(QWidget* widget, const QString& tekst) {
    if (auto* edit = qobject_cast<MultiLineEdit*>(widget))
        edit->setText(tekst);
    else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget))
        edit->setPlainText(tekst);
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(tekst);
    else if (auto* box = qobject_cast<QCheckBox*>(widget))
        box->setChecked(tekst == QLatin1String(Oznaceno));
    else if (auto* list = qobject_cast<QComboBox*>(widget)) {
        const int index = tekst.isEmpty() ? -1 : list->findText(tekst, Qt::MatchExactly);
        list->setCurrentIndex(index);
        if (index < 0 && list->isEditable())
            list->setEditText(tekst);
    }
}

} // namespace

QString imeKontrole(const QWidget* widget) {
    if (!widget || widget->objectName().isEmpty() || !jePolje(widget) || deoPadajuceListe(widget))
        return {};
    if (uToglu(widget))
        return widget->parentWidget()->objectName() + QLatin1Char('.') + widget->objectName();
    return widget->objectName();
}

QString imePolja(const QWidget* widget) {
    const polja_posete::Polje* polje = polja_posete::poKontroli(imeKontrole(widget));
    return polje ? QString::fromLatin1(polje->kljuc) : QString();
}

QList<poseta_sql::Polje> zameni(QList<poseta_sql::Polje> polja, const QString& ime,
                                const QString& vrednost) {
    polja.removeIf([&ime](const poseta_sql::Polje& polje) { return polje.polje == ime; });
    if (!vrednost.isEmpty())
        polja << poseta_sql::Polje{ime, vrednost};
    return polja;
}

QList<poseta_sql::Polje> pokupi(const QWidget* root) {
    QList<poseta_sql::Polje> polja;
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        const QString ime = imePolja(widget);
        if (ime.isEmpty())
            continue;
        const QString tekst = vrednost(widget);
        if (!tekst.isEmpty())
            polja << poseta_sql::Polje{ime, tekst};
    }
    return polja;
}

void postavi(QWidget* root, const QList<poseta_sql::Polje>& polja) {
    // Inner pages not built yet would miss their fields: a visit is loaded into the whole form.
    DeferredBuild::buildAll(root);
    QHash<QString, QString> poImenu;
    for (const poseta_sql::Polje& polje : polja)
        poImenu.insert(polje.polje, polje.vrednost);
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        const QString ime = imePolja(widget);
        if (!ime.isEmpty())
            postaviVrednost(widget, poImenu.value(ime));
    }
}

} // namespace polja_forme
