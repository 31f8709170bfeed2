#pragma once

#include <QComboBox>
#include <QIcon>
#include <QList>
#include <QVariant>

// The runtime's stock pictures: small distinct images numbered from 1, for lists that show a
// picture beside each item.
QIcon stockPicture(int number);

// A drop-down picture list. Items and pictures are numbered from 1, as the screens count them;
// position 0 means "no item". Items stay in the order they are inserted in: the list never sorts.
//
// `selectionchanged` reports only what the user picks (with the mouse or the keyboard); the
// program's own SelectItem, inserts and resets stay silent, as the screens expect.
class DropDownPictureList : public QComboBox {
    Q_OBJECT

public:
    explicit DropDownPictureList(const QString& name, QWidget* parent = nullptr);

    // Adds a picture to the list's own set. An item shows picture n of that set (counting on from
    // the first again when n is beyond it); a list without a set shows stock picture n.
    void addPicture(const QIcon& picture);
    int pictureCount() const { return int(m_pictures.size()); }

    // InsertItem: puts text at position `index` (1-based; 0 or past the end appends) with picture
    // number `picture`, and a value of the program's own; returns the item's position.
    int insertItem(const QString& text, int picture, int index, const QVariant& value = {});
    // SelectItem: selects position `index`, or no item for 0. Returns the position, or -1 (and
    // changes nothing) when there is no such item.
    int selectItem(int index);
    // Position of the selected item, 0 when none is selected.
    int selectedIndex() const { return currentIndex() + 1; }
    QString text(int index) const;
    QVariant value(int index) const;
    int totalItems() const { return count(); }
    // Index of the first item whose value equals `value`, 0 when none does.
    int findValue(const QVariant& value) const;
    void reset();

signals:
    void selectionchanged(int index);

private:
    QIcon pictureFor(int number) const;

    QList<QIcon> m_pictures;
    bool m_programmatic = false;
};
