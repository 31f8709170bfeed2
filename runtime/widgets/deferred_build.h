#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

// Chooses a page's constructor that makes the page alone, without its controls: the window that
// holds the page builds them later, once.
struct BuildLater {
    explicit BuildLater() = default;
};

// Builds what a window does not show at start: its hidden pages are built after the window's
// first paint, a step at a time between the other work of the event loop, so that what the user
// sees comes up first and the window answers while the rest is built; or at once when one of them
// is about to be shown or is asked for sooner. Each step runs exactly once; until the last has
// run the page holds only what the steps before made (at first its own name and properties).
class DeferredBuild : public QObject {
    Q_OBJECT

public:
    using Step = std::function<void()>;

    // steps create the contents of `pages` (one page, or several built together), in order; the
    // object is a child of the first of them, so it goes when they go.
    DeferredBuild(const QList<QWidget*>& pages, QList<Step> steps);
    DeferredBuild(const QList<QWidget*>& pages, Step build)
        : DeferredBuild(pages, QList<Step>{std::move(build)}) {}

    bool isBuilt() const { return m_next >= m_steps.size(); }
    // Runs every step not yet run.
    void ensureBuilt();
    // Runs the next step; false when there was none left.
    bool buildStep();

    // Builds every pending part under `root`, in the order of the object tree.
    static void buildAll(QObject* root);
    // Whether no part under `root` is pending.
    static bool allBuilt(const QObject* root);
    // Once the window has painted for the first time, builds every pending part under it, one
    // step per turn of the event loop, in the order of the object tree (parts a step adds
    // included), so that input and paints are handled between the steps.
    static void afterFirstPaint(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QPointer<QWidget>> m_pages;
    QList<Step> m_steps;
    qsizetype m_next = 0;
};
