#pragma once

// Drop-down lists as a screen reader should hear them: by the name the program gives them ("Od",
// "Kriterijum 2: Od"), with the picked item as their value. Qt's own reading on Linux names a
// drop-down list by its picked item and ignores the name given to it. Installing more than once
// does nothing. The application installs its own reading when it starts, and the newest one is
// asked first, so this is installed once the application exists (the naming functions do).
void installComboBoxAccessibility();
