#pragma once

class QWidget;

// Gives every control of the laboratory page the name a screen reader reads: the picture
// buttons the words their pictures show, each amount its service or its caption. Called once the
// page is built.
void nameLaboratoryControls(QWidget* page);

// Names the order commands beside the tab labels and those in the strip on the page.
void nameOrderCommands(QWidget* row, QWidget* line);
