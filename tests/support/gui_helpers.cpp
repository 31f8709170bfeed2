#include "tests/support/gui_helpers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>

namespace {
constexpr int PollMs = 10;
constexpr int UnplannedGraceTicks = 300; // three seconds
} // namespace

ModalAnswerer::ModalAnswerer(QObject* parent) : QObject(parent) {
    m_timer.setInterval(PollMs);
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    m_timer.start();
}

void ModalAnswerer::answer(Action action) {
    m_actions << std::move(action);
}

void ModalAnswerer::click(const QString& buttonName) {
    answer([buttonName](QWidget* modal) {
        auto* button = modal->findChild<QAbstractButton*>(buttonName);
        if (button)
            button->click();
        else
            modal->close();
    });
}

void ModalAnswerer::acknowledge() {
    answer([](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            box->button(QMessageBox::Ok)->click();
        else
            modal->close();
    });
}

void ModalAnswerer::clear() {
    m_actions.clear();
    m_seen.clear();
    m_unexpected = 0;
}

void ModalAnswerer::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    // Let the modal window finish showing before it is answered.
    if (!modal->property("mabSeenOnce").toBool()) {
        modal->setProperty("mabSeenOnce", true);
        return;
    }
    if (m_actions.isEmpty()) {
        if (m_lastUnplanned != modal) {
            m_lastUnplanned = modal;
            m_unplannedTicks = 0;
        }
        if (++m_unplannedTicks < UnplannedGraceTicks)
            return;
        ++m_unexpected;
        qWarning("Closing an unanswered modal window '%s': %s", qPrintable(modal->objectName()),
                 qPrintable(modalText(modal)));
        m_seen << ModalSeen{modal->objectName(), modal->windowTitle(), modalText(modal)};
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            box->button(QMessageBox::Ok)->click();
        else
            modal->close();
        return;
    }
    m_seen << ModalSeen{modal->objectName(), modal->windowTitle(), modalText(modal)};
    const Action action = m_actions.takeFirst();
    action(modal);
}

void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QList<QWidget*> visibleWindows(const QString& objectName) {
    QList<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == objectName && widget->isVisible())
            windows << widget;
    return windows;
}

QString modalText(QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal))
        return box->text();
    if (auto* text = modal->findChild<QPlainTextEdit*>(QStringLiteral("mle_tekst")))
        return text->toPlainText();
    return {};
}
