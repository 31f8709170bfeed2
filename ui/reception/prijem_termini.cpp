#include "ui/reception/prijem_termini.h"

#include "ui/reception/prijem_posete.h"
#include "ui/reception/tab_prijem.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>

namespace {

// The header's fields that name the patient.
const char* const PoljaPacijenta[] = {"sle_ime", "sle_4", "sle_mb"};

} // namespace

prijem_termini::prijem_termini(tab_prijem* page) : QObject(page), m_page(page) {
    setObjectName(QStringLiteral("prijem_termini"));
    auto* ctrlT = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), page);
    ctrlT->setContext(Qt::WidgetWithChildrenShortcut);
    connect(ctrlT, &QShortcut::activated, this, &prijem_termini::pitaj);
    for (const char* ime : PoljaPacijenta)
        if (auto* polje = page->findChild<QLineEdit*>(QString::fromLatin1(ime)))
            dodajUMeni(polje);
}

void prijem_termini::pitaj() {
    const prijem_posete* posete = m_page->posete();
    emit terminiPacijenta(posete ? posete->rbrPacijenta().value_or(0) : 0);
}

void prijem_termini::dodajUMeni(QLineEdit* polje) {
    // The field's own menu (cut, copy, paste ...) with the patient's bookings below it.
    polje->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(polje, &QWidget::customContextMenuRequested, this, [this, polje](const QPoint& at) {
        std::unique_ptr<QMenu> meni(polje->createStandardContextMenu());
        meni->addSeparator();
        QAction* termini = meni->addAction(QStringLiteral("Termini pacijenta"));
        termini->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
        if (meni->exec(polje->mapToGlobal(at)) == termini)
            pitaj();
    });
}
