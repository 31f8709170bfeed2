#pragma once

class QWidget;

// Gives every control of the laboratory page the name a screen reader reads: the picture
// buttons the words their pictures show, each amount its service or its caption. Called once the
// page is built.
void nameLaboratoryControls(QWidget* page);
