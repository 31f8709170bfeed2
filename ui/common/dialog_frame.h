#pragma once

#include <QString>

class QGroupBox;
class QPlainTextEdit;
class QWidget;

// The text area of the question and notice windows: display only, no border, no scroll bar,
// "Arial CE" 12 pt on the button face, filled from the message object as the window opens.
QPlainTextEdit* makeDialogText(QWidget* window, const QString& text);
// The frame around text and buttons.
QGroupBox* makeDialogFrame(QWidget* window);
