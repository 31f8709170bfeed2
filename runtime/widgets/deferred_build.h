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

// Builds what a window does not show at start: its hidden pages are built right after the
// window's first paint, so that what the user sees comes up first, or at once when one of them is
// about to be shown or is asked for sooner. Each build runs exactly once; until then the page
// holds only its own name and properties.
class DeferredBuild : public QObject {
    Q_OBJECT

public:
    // build creates the contents of `pages` (one page, or several built together); the object is a
    // child of the first of them, so it goes when they go.
    DeferredBuild(const QList<QWidget*>& pages, std::function<void()> build);

    bool isBuilt() const { return m_built; }
    void ensureBuilt();

    // Builds every pending part under `root`, in the order of the object tree.
    static void buildAll(QObject* root);
    // Runs buildAll(window) once the window has painted for the first time.
    static void afterFirstPaint(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QPointer<QWidget>> m_pages;
    std::function<void()> m_build;
    bool m_built = false;
};
