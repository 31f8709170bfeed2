#include "runtime/widgets/drop_down_list.h"

DropDownListBox::DropDownListBox(const QString& name, bool sorted, QWidget* parent)
    : QComboBox(parent), m_sorted(sorted) {
    setObjectName(name);
    setEditable(false);
    // The list's design text until an item is selected.
    setPlaceholderText(QStringLiteral("none"));
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
}

int DropDownListBox::addItem(const QString& text) {
    int position = count();
    if (m_sorted) {
        position = 0;
        while (position < count() &&
               QString::compare(itemText(position), text, Qt::CaseInsensitive) <= 0)
            ++position;
    }
    // A combo box selects the first item put into it; this list selects only when told to.
    const bool noneSelected = currentIndex() < 0;
    const QSignalBlocker quiet(this);
    insertItem(position, text);
    if (noneSelected)
        setCurrentIndex(-1);
    return position + 1;
}

int DropDownListBox::selectItem(int index) {
    if (index < 0 || index > count())
        return -1;
    setCurrentIndex(index - 1);
    return index;
}

int DropDownListBox::selectItem(const QString& text, int start) {
    for (int i = qMax(start, 1); i <= count(); ++i) {
        if (itemText(i - 1) == text) {
            setCurrentIndex(i - 1);
            return i;
        }
    }
    return 0;
}

QStringList DropDownListBox::items() const {
    QStringList texts;
    for (int i = 0; i < count(); ++i)
        texts << itemText(i);
    return texts;
}
