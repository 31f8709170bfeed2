#include "runtime/widgets/popup_width.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>

void widenPopupToItems(QComboBox* list, int most) {
    int sirina = 0;
    for (int i = 0; i < list->count(); ++i)
        sirina = qMax(sirina, list->fontMetrics().horizontalAdvance(list->itemText(i)));
    const int popup = qMin(sirina + 30, most);
    list->view()->setMinimumWidth(popup);
    if (QCompleter* completer = list->completer())
        completer->popup()->setMinimumWidth(popup);
}
