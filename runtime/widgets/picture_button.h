#pragma once

#include "runtime/widgets/command_button.h"

#include <QPixmap>
#include <QString>

// A command button that shows one of the program's bitmaps (compiled in under ":/bitmaps/") in
// place of, or beside, its text. The picture is scaled down to fit the button, keeping its
// proportions, so a button laid out in window units shows the whole picture at any resolution.
// The bitmap is read when the button is first drawn or its picture is first asked for: reading
// and decoding it costs more than the button itself, and a page may never be opened.
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
    bool hasPicture() const;
    QPixmap picture() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void load() const;
    void showPicture();
    void fitPicture();

    QString m_pictureName;
    mutable QPixmap m_picture;
    mutable bool m_loaded = true; // nothing named yet, nothing to read
    bool m_shown = false;         // the icon is set
};
