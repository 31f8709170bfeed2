#pragma once

#include <QList>

class MultiRowTabs;
class QWidget;

// Adds the nine inner pages of the reception form to tabs, in order, each without its controls,
// and returns them.
QList<QWidget*> addInnerPages(MultiRowTabs* tabs);
// Builds the controls of inner page `index` (one of those addInnerPages returned) and returns the
// controls Tab stops at.
QList<QWidget*> buildInnerPage(QWidget* page, int index);
