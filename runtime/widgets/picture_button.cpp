#include "runtime/widgets/picture_button.h"

#include <QResizeEvent>

namespace {
constexpr int FramePixels = 4; // room for the button's raised edge and focus frame
}

PictureButton::PictureButton(const QString& name, QWidget* parent)
    : CommandButton(name, QString(), parent) {}

void PictureButton::setPictureName(const QString& fileName) {
    m_pictureName = fileName;
    m_picture = QPixmap();
    if (!fileName.isEmpty() && !m_picture.load(QStringLiteral(":/bitmaps/") + fileName))
        qWarning("Picture button %s: no bitmap named %s", qPrintable(objectName()),
                 qPrintable(fileName));
    setIcon(m_picture.isNull() ? QIcon() : QIcon(m_picture));
    fitPicture();
}

void PictureButton::resizeEvent(QResizeEvent* event) {
    CommandButton::resizeEvent(event);
    fitPicture();
}

void PictureButton::fitPicture() {
    if (m_picture.isNull())
        return;
    const QSize room(qMax(1, width() - 2 * FramePixels), qMax(1, height() - 2 * FramePixels));
    setIconSize(m_picture.size().scaled(room, Qt::KeepAspectRatio));
}
