#include "runtime/widgets/picture_list.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygon>

namespace {

constexpr int PictureSize = 14;
const int ItemValueRole = Qt::UserRole + 1;

// Shapes and colours combine so that neighbouring numbers never look alike.
const QColor PictureColours[] = {QColor(0x1f, 0x6f, 0xc5), QColor(0x2e, 0x9e, 0x44),
                                 QColor(0xd9, 0x7b, 0x16), QColor(0xb8, 0x2b, 0x2b),
                                 QColor(0x7a, 0x3d, 0xb8)};

class ProgrammaticChange {
public:
    explicit ProgrammaticChange(bool& flag) : m_flag(flag), m_previous(flag) { m_flag = true; }
    ~ProgrammaticChange() { m_flag = m_previous; }

private:
    bool& m_flag;
    bool m_previous;
};

} // namespace

QIcon stockPicture(int number) {
    const int n = qMax(1, number) - 1;
    QPixmap pixmap(PictureSize, PictureSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(PictureColours[n % std::size(PictureColours)]);
    const QRect box(2, 2, PictureSize - 4, PictureSize - 4);
    switch (n % 3) {
    case 0:
        painter.drawEllipse(box);
        break;
    case 1:
        painter.drawRect(box);
        break;
    default:
        painter.drawPolygon(QPolygon(
            {QPoint(box.center().x(), box.top()), QPoint(box.right(), box.center().y()),
             QPoint(box.center().x(), box.bottom()), QPoint(box.left(), box.center().y())}));
        break;
    }
    return QIcon(pixmap);
}

DropDownPictureList::DropDownPictureList(const QString& name, QWidget* parent) : QComboBox(parent) {
    setObjectName(name);
    setEditable(false);
    setIconSize(QSize(PictureSize, PictureSize));
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_programmatic && index >= 0)
            emit selectionchanged(index + 1);
    });
}

void DropDownPictureList::addPicture(const QIcon& picture) {
    m_pictures << picture;
}

QIcon DropDownPictureList::pictureFor(int number) const {
    if (m_pictures.isEmpty())
        return stockPicture(number);
    const int n = qMax(1, number) - 1;
    return m_pictures.at(n % m_pictures.size());
}

int DropDownPictureList::insertItem(const QString& text, int picture, int index,
                                    const QVariant& value) {
    ProgrammaticChange guard(m_programmatic);
    const int position = (index < 1 || index > count()) ? count() : index - 1;
    QComboBox::insertItem(position, pictureFor(picture), text);
    setItemData(position, value, ItemValueRole);
    return position + 1;
}

int DropDownPictureList::selectItem(int index) {
    if (index < 0 || index > count())
        return -1;
    ProgrammaticChange guard(m_programmatic);
    setCurrentIndex(index - 1);
    return index;
}

QString DropDownPictureList::text(int index) const {
    return (index >= 1 && index <= count()) ? itemText(index - 1) : QString();
}

QVariant DropDownPictureList::value(int index) const {
    return (index >= 1 && index <= count()) ? itemData(index - 1, ItemValueRole) : QVariant();
}

int DropDownPictureList::findValue(const QVariant& value) const {
    return findData(value, ItemValueRole) + 1;
}

void DropDownPictureList::reset() {
    ProgrammaticChange guard(m_programmatic);
    clear();
}
