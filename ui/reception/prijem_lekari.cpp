#include "ui/reception/prijem_lekari.h"

#include "domain/appointments/lekar_sql.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStringListModel>

prijem_lekari::prijem_lekari(QLineEdit* polje, Transaction& sqlca)
    : QObject(polje), m_polje(polje), m_sqlca(sqlca),
      m_completer(new QCompleter(new QStringListModel(this), this)) {
    setObjectName(QStringLiteral("prijem_lekari"));
    m_completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_completer->setFilterMode(Qt::MatchContains);
    polje->setCompleter(m_completer);
    polje->installEventFilter(this);
    connect(polje, &QLineEdit::textEdited, this, [this] {
        if (!m_procitano)
            procitaj();
    });
}

void prijem_lekari::procitaj() {
    // A failed read leaves the field as it always was: free text, nothing offered.
    QStringList imena;
    for (const lekar_sql::Lekar& lekar : lekar_sql::lekari(m_sqlca).value)
        imena << lekar.naziv;
    static_cast<QStringListModel*>(m_completer->model())->setStringList(imena);
    m_procitano = true;
}

bool prijem_lekari::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_polje && event->type() == QEvent::FocusIn)
        m_procitano = false;
    if (watched == m_polje && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down &&
        !m_completer->popup()->isVisible()) {
        if (!m_procitano)
            procitaj();
        m_completer->setCompletionPrefix(m_polje->text());
        m_completer->complete();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
