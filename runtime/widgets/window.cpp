#include "runtime/widgets/window.h"

#include "runtime/widgets/accessible_combo_box.h"
#include "runtime/widgets/units.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QTabWidget>

namespace {

QPointer<Window>& openMainWindow() {
    static QPointer<Window> window;
    return window;
}

} // namespace

Window::Window(Type type, QSize designUnits, QWidget* parent) : QDialog(parent), m_type(type) {
    // Before any drop-down list exists: a screen reader that asks for one while the window is
    // still being built (its first paint comes before the pages that name their controls) must
    // already get the program's own answer, which Qt then keeps for that list.
    installComboBoxAccessibility();
    setAttribute(Qt::WA_DeleteOnClose);
    resizeInUnits(this, designUnits.width(), designUnits.height());
    if (type == Type::Response)
        setModal(true);
    // Title bar and control menu, as every window of the program has, but no help button.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint |
                   (type == Type::Main ? Qt::WindowMinMaxButtonsHint : Qt::WindowType(0)));
}

void Window::closeEvent(QCloseEvent* event) {
    if (!closequery()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void Window::keyPressEvent(QKeyEvent* event) {
    // Escape closes a dialog in Qt; the main window must not vanish on a stray key.
    if (m_type == Type::Main && event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Window::reject() {
    if (!closequery())
        return;
    QDialog::reject();
}

void Window::done(int result) {
    // Every way of closing goes through closequery, so a window that refuses to close stays.
    if (!closequery())
        return;
    QDialog::done(result);
}

void openWindow(Window* window) {
    if (!window)
        return;
    window->openEvent();
    if (window->type() == Window::Type::Response) {
        // The window has taken its text; from now on the parameter holds the answer, which only
        // CloseWithReturn sets. Any other way of closing leaves it empty, never "DA".
        message().stringparm.clear();
        window->exec(); // deletes the window when it closes
        return;
    }
    window->show();
    window->raise();
    window->activateWindow();
    if (window->type() == Window::Type::Main)
        openMainWindow() = window;
}

void CloseWithReturn(Window* window, const QString& value) {
    if (!window)
        return;
    message().stringparm = value;
    window->close();
}

void Close(Window* window) {
    if (window)
        window->close();
}

Window* mainWindow() {
    return openMainWindow().data();
}

QWidget* GetParent(QWidget* control) {
    if (!control)
        return nullptr;
    QWidget* parent = control->parentWidget();
    // Qt puts tab pages into an internal stacked widget and scroll areas into a viewport; those
    // helpers are no part of the program's object tree and are stepped over.
    while (
        parent && !parent->isWindow() &&
        (parent->objectName().isEmpty() || parent->objectName().startsWith(QLatin1String("qt_"))))
        parent = parent->parentWidget();
    return parent;
}
