#pragma once

class QWidget;

// Gives every control of the address-book page the name a screen reader reads: the caption
// beside each field; the work address's fields, whose captions repeat the home address's, carry
// their group's title too. Called once the page is built.
void nameAddressBookControls(QWidget* page);
