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
    m_loaded = fileName.isEmpty();
    m_shown = false;
    setIcon(QIcon());
    update();
}

bool PictureButton::hasPicture() const {
    load();
    return !m_picture.isNull();
}

QPixmap PictureButton::picture() const {
    load();
    return m_picture;
}

void PictureButton::load() const {
    if (m_loaded)
        return;
    m_loaded = true;
    if (!m_picture.load(QStringLiteral(":/bitmaps/") + m_pictureName))
        qWarning("Picture button %s: no bitmap named %s", qPrintable(objectName()),
                 qPrintable(m_pictureName));
}

void PictureButton::showPicture() {
    load();
    m_shown = true;
    setIcon(m_picture.isNull() ? QIcon() : QIcon(m_picture));
    fitPicture();
}

void PictureButton::paintEvent(QPaintEvent* event) {
    if (!m_shown)
        showPicture();
    CommandButton::paintEvent(event);
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
