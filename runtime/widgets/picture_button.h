#pragma once

#include "runtime/widgets/command_button.h"

#include <QPixmap>
#include <QString>

// A command button that shows one of the program's bitmaps (compiled in under ":/bitmaps/") in
// place of, or beside, its text. The picture is scaled down to fit the button, keeping its
// proportions, so a button laid out in window units shows the whole picture at any resolution.
// Like every command button it is never a window's default: Enter or Space press it only when it
// has the focus.
class PictureButton : public CommandButton {
    Q_OBJECT

public:
    explicit PictureButton(const QString& name, QWidget* parent = nullptr);

    // The bitmap's file name as stored, case included ("hemcen1.BMP"); empty for no picture.
    void setPictureName(const QString& fileName);
    QString pictureName() const { return m_pictureName; }
    // False when no picture was named or the named one does not exist.
    bool hasPicture() const { return !m_picture.isNull(); }
    QPixmap picture() const { return m_picture; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitPicture();

    QString m_pictureName;
    QPixmap m_picture;
};
