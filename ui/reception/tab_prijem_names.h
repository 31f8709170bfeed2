#pragma once

class QWidget;

// Gives every control of the reception form, header and inner pages, the name a screen reader
// reads: its caption, or the title of the box that frames it. Called once the form is built.
void nameReceptionControls(QWidget* page);
