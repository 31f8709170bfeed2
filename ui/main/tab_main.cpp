#include "ui/main/tab_main.h"

#include "runtime/widgets/look.h"

#include <QTabBar>

tab_main::tab_main(QWidget* parent) : QTabWidget(parent) {
    setObjectName(QStringLiteral("tab_main"));
    setScreenFont(this, ScreenFont::ArialCE9);
    tabBar()->setElideMode(Qt::ElideNone);
    // A bold selected tab needs room for its wider text; the style sheet widens every tab alike.
    tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 4px 12px; }"
                                           "QTabBar::tab:selected { font-weight: bold; }"));
}
