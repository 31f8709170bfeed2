#pragma once

class QComboBox;

// Lets a drop-down list show each of its entries in full however narrow the list itself is: its
// pop-up (and its completer's, when it has one) as wide as the longest entry, up to `most` pixels.
void widenPopupToItems(QComboBox* list, int most = 600);
