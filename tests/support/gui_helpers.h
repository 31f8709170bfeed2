#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

// Finds a control by its object name below root; fails the running test with a clear message when
// there is none.
#define MAB_FIND(var, Type, root, name)                                                            \
    auto* var = (root)->findChild<Type*>(QString::fromUtf8(name));                                 \
    QVERIFY2(var,                                                                                  \
             qPrintable(QStringLiteral("no %1 named '%2'").arg(#Type, QString::fromUtf8(name))))

// What a modal window showed when it was answered.
struct ModalSeen {
    QString objectName;
    QString title;
    QString text;
};

// Answers modal windows from a timer, as a user would, while the code under test waits in their
// loops. Each planned answer is used once, in order; a modal that finds no planned answer is
// closed after a short grace and counted as unexpected, so a test never hangs on a forgotten box.
class ModalAnswerer : public QObject {
    Q_OBJECT

public:
    using Action = std::function<void(QWidget* modal)>;

    explicit ModalAnswerer(QObject* parent = nullptr);

    // Plans the answer for the next modal window that opens.
    void answer(Action action);
    // Plans a click on the button with this object name ("cb_da", "cb_ne") of the next modal.
    void click(const QString& buttonName);
    // Plans an OK on the next message box.
    void acknowledge();

    int pending() const { return int(m_actions.size()); }
    const QList<ModalSeen>& seen() const { return m_seen; }
    int unexpected() const { return m_unexpected; }
    void clear();

private:
    void poll();

    QTimer m_timer;
    QList<Action> m_actions;
    QList<ModalSeen> m_seen;
    QPointer<QWidget> m_lastUnplanned;
    int m_unplannedTicks = 0;
    int m_unexpected = 0;
};

// Sends text to a widget key by key; letters outside ASCII (č, ž, đ ...) go as text events,
// which QTest::keyClicks cannot send.
void typeText(QWidget* widget, const QString& text);

// Top-level windows with this object name that are visible now.
QList<QWidget*> visibleWindows(const QString& objectName);

// Text shown by a modal window: a message box's text or the question window's text area.
QString modalText(QWidget* modal);
