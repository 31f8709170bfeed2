#pragma once

#include <QComboBox>

// A drop-down list box the user picks from but cannot type into. Items are numbered from 1, as
// the screens count them; 0 means "no item". A sorted list keeps its items in alphabetical order
// whatever order they are added in.
class DropDownListBox : public QComboBox {
    Q_OBJECT

public:
    DropDownListBox(const QString& name, bool sorted, QWidget* parent = nullptr);

    bool sorted() const { return m_sorted; }
    // AddItem: the item's position.
    int addItem(const QString& text);
    // SelectItem by number: that item, or none for 0; -1 (and no change) when there is no such
    // item.
    int selectItem(int index);
    // SelectItem by text: the first item from position `start` on whose text equals `text`; 0, and
    // the selection stays as it was, when none does.
    int selectItem(const QString& text, int start);
    int selectedIndex() const { return currentIndex() + 1; }
    QStringList items() const;

private:
    bool m_sorted;
};
