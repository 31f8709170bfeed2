#include "runtime/widgets/deferred_build.h"

#include <QEvent>
#include <QWidget>

namespace {

// Waits for the window's first paint and then, once that paint has been flushed, builds what the
// window deferred.
class FirstPaintWatch : public QObject {
public:
    explicit FirstPaintWatch(QWidget* window) : QObject(window), m_window(window) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_window && event->type() == QEvent::Paint) {
            m_window->removeEventFilter(this);
            // Queued: the children are painted and the frame shown before the build starts.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    DeferredBuild::buildAll(m_window);
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget* m_window;
};

} // namespace

DeferredBuild::DeferredBuild(const QList<QWidget*>& pages, std::function<void()> build)
    : QObject(pages.value(0)), m_build(std::move(build)) {
    for (QWidget* page : pages) {
        m_pages.append(page);
        page->installEventFilter(this);
    }
}

void DeferredBuild::ensureBuilt() {
    if (m_built)
        return;
    m_built = true;
    for (QWidget* page : std::as_const(m_pages))
        if (page)
            page->removeEventFilter(this);
    m_build();
    // A page already on screen does not show controls created after it was shown; those that
    // were not hidden on purpose are shown now, as they would have been with the page.
    for (QWidget* page : std::as_const(m_pages)) {
        if (!page || !page->isVisible())
            continue;
        for (QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!child->isWindow() && !child->testAttribute(Qt::WA_WState_ExplicitShowHide))
                child->show();
    }
}

void DeferredBuild::buildAll(QObject* root) {
    // A build may add pages with builds of their own; they are found on the next pass.
    for (;;) {
        bool built = false;
        for (DeferredBuild* part : root->findChildren<DeferredBuild*>())
            if (!part->isBuilt()) {
                part->ensureBuilt();
                built = true;
            }
        if (!built)
            return;
    }
}

void DeferredBuild::afterFirstPaint(QWidget* window) {
    new FirstPaintWatch(window);
}

bool DeferredBuild::eventFilter(QObject* watched, QEvent* event) {
    // About to be shown: built first, so that the page never appears empty.
    if (event->type() == QEvent::Show && !m_built)
        ensureBuilt();
    return QObject::eventFilter(watched, event);
}
