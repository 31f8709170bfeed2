#pragma once

class QWidget;

// Gives every control of the search page the name a screen reader reads. The four panels repeat
// one another's captions, so each panel's controls start with its number ("Kriterijum 2: Od").
// Called once the page is built.
void nameSearchControls(QWidget* page);
