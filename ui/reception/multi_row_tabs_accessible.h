#pragma once

// Makes the multi-row tab control readable by assistive technology: the control is a page-tab
// list whose children are its tabs (label, selected or not, a press switches to it) followed by
// the pages. Called by the control itself; installing more than once does nothing.
void installMultiRowTabsAccessibility();
