#pragma once

#include <QList>

class MultiRowTabs;
class QWidget;

// Builds the nine inner pages of the reception form into tabs, in order, and returns the
// controls Tab stops at, page after page.
QList<QWidget*> buildInnerPages(MultiRowTabs* tabs);
