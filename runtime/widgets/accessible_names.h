#pragma once

#include <QString>

class QLabel;
class QWidget;

// What a screen reader says for a control. Nothing here changes what is drawn: a buddy set on a
// label without '&' adds no shortcut, and an accessible name is never painted.

// The caption as it is read: without the colon and blanks it ends in on the screen.
QString spokenCaption(const QString& caption);

// Names a control after the caption that stands beside it: the caption becomes the control's
// buddy, so the reader follows the label relation to it. Lists, tables and drop-down lists do
// not take their name from a buddy, so they are also given the caption's text as their name. With
// a prefix ("Kriterijum 2: "), the name is the prefix and the caption, for captions that repeat.
void captionControl(QLabel* caption, QWidget* control, const QString& prefix = QString());

// The same, for a caption and a control found by object name below root; a name that is not
// there is a fault of the page's naming table and stops a debug build.
void captionControl(QWidget* root, const char* caption, const char* control,
                    const QString& prefix = QString());

// Names a control after the group box that frames it (a sibling, not its parent, so Qt does not
// find the title itself).
void nameAfterGroup(QWidget* root, const char* group, const char* control);

// Names a control that has no caption of its own.
void nameControl(QWidget* control, const QString& name);
void nameControl(QWidget* root, const char* control, const QString& name);

// The control named so below root; a missing one stops a debug build.
QWidget* namedChild(QWidget* root, const char* name);
