#include "runtime/widgets/deferred_build.h"

#include <QEvent>
#include <QWidget>

namespace {

// Builds a window's pending parts a step per turn of the event loop. Each step is a posted call
// that posts the next one, and a turn runs only the calls posted before it began: the input and
// paints of a turn wait for one step at most, never for every page.
class StepwiseBuild : public QObject {
public:
    explicit StepwiseBuild(QWidget* window) : QObject(window), m_window(window) {}

    // The turn after the first paint handles what came with the window's appearance (input
    // included); the steps begin with the turn after that.
    void start() {
        QMetaObject::invokeMethod(
            this, [this] { next(); }, Qt::QueuedConnection);
    }

private:
    void next() { QMetaObject::invokeMethod(this, &StepwiseBuild::step, Qt::QueuedConnection); }

    void step() {
        // The parts are listed once and again when the list runs out, so that parts the steps
        // added are found too; a part built meanwhile (its page shown or asked for) is skipped.
        for (int pass = 0; pass < 2; ++pass) {
            while (!m_parts.isEmpty()) {
                DeferredBuild* part = m_parts.constFirst();
                if (part && part->buildStep()) {
                    next();
                    return;
                }
                m_parts.removeFirst();
            }
            for (DeferredBuild* part : m_window->findChildren<DeferredBuild*>())
                if (!part->isBuilt())
                    m_parts.append(part);
        }
        deleteLater();
    }

    QWidget* m_window;
    QList<QPointer<DeferredBuild>> m_parts;
};

// Waits for the window's first paint and then starts building what the window deferred.
class FirstPaintWatch : public QObject {
public:
    explicit FirstPaintWatch(QWidget* window) : QObject(window), m_window(window) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_window && event->type() == QEvent::Paint) {
            m_window->removeEventFilter(this);
            (new StepwiseBuild(m_window))->start();
            deleteLater();
        }
        return false;
    }

private:
    QWidget* m_window;
};

} // namespace

DeferredBuild::DeferredBuild(const QList<QWidget*>& pages, QList<Step> steps)
    : QObject(pages.value(0)), m_steps(std::move(steps)) {
    for (QWidget* page : pages) {
        m_pages.append(page);
        page->installEventFilter(this);
    }
}

void DeferredBuild::ensureBuilt() {
    while (buildStep()) {
    }
}

bool DeferredBuild::buildStep() {
    if (isBuilt())
        return false;
    // Counted before it runs: a step that shows its page must not run itself again.
    const Step step = m_steps.at(m_next++);
    if (isBuilt())
        for (QWidget* page : std::as_const(m_pages))
            if (page)
                page->removeEventFilter(this);
    step();
    // A page already on screen does not show controls created after it was shown; those that
    // were not hidden on purpose are shown now, as they would have been with the page.
    for (QWidget* page : std::as_const(m_pages)) {
        if (!page || !page->isVisible())
            continue;
        for (QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!child->isWindow() && !child->testAttribute(Qt::WA_WState_ExplicitShowHide))
                child->show();
    }
    return true;
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

bool DeferredBuild::allBuilt(const QObject* root) {
    for (const DeferredBuild* part : root->findChildren<DeferredBuild*>())
        if (!part->isBuilt())
            return false;
    return true;
}

void DeferredBuild::afterFirstPaint(QWidget* window) {
    new FirstPaintWatch(window);
}

bool DeferredBuild::eventFilter(QObject* watched, QEvent* event) {
    // About to be shown: built first, so that the page never appears incomplete.
    if (event->type() == QEvent::Show && !isBuilt())
        ensureBuilt();
    return QObject::eventFilter(watched, event);
}
