#pragma once

#include <QDialog>
#include <QPointer>
#include <QSize>

#include "runtime/core/builtins.h"
#include "runtime/core/message.h"

// A window of the program. Main windows live until the user closes them; response windows are
// modal and run their own loop inside the opener's call; pop-up windows open without blocking.
class Window : public QDialog {
    Q_OBJECT

public:
    enum class Type { Main, Response, Popup };

    Window(Type type, QSize designUnits, QWidget* parent = nullptr);

    Type type() const { return m_type; }

    // The window's open event, run by Open after the window is built and before it is shown.
    virtual void openEvent() {}
    // Asked before every close; returning false keeps the window open.
    virtual bool closequery() { return true; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

public slots:
    void reject() override;
    void done(int result) override;

private:
    Type m_type;
};

// Runs the open event and shows the window. A response window is shown modally and this returns
// only once it has closed; then the message object holds its answer (empty when it was closed
// without one). Other windows return at once.
void openWindow(Window* window);

// Open / OpenWithParm: builds a window of class W (its constructor may read the message object's
// string parameter, as the controls' constructor events do) and opens it. The returned pointer is
// null once a response window has closed.
template <typename W, typename... Args> QPointer<W> Open(Args&&... args) {
    QPointer<W> window = new W(std::forward<Args>(args)...);
    openWindow(window);
    return window;
}

template <typename W, typename... Args>
QPointer<W> OpenWithParm(const QString& parm, Args&&... args) {
    message().stringparm = parm;
    return Open<W>(std::forward<Args>(args)...);
}

// Closes the window and hands value to the opener through the message object.
void CloseWithReturn(Window* window, const QString& value);
// Closes the window; its closequery may refuse.
void Close(Window* window);

// The program's main window once it has been opened, until it is deleted; else null. Dialogs
// open over it and centre themselves only when there is one.
Window* mainWindow();

// GetParent: the enclosing page, tab or window of a control.
QWidget* GetParent(QWidget* control);
