#pragma once

#include <QString>

// How a patient picker (PRIJEM's surnames, the booking window's patient) compares what the desk
// types with a name: folded as the search folds (pretraga::sklopi), so "Petrovic" finds
// "Petrović", and with "dj" also read as "d", so "Djuric" and "Duric" both find "Đurić".
namespace pretraga {

// The folded text with every "dj" as "d": two names that are the same name compare equal.
QString zaPoredjenje(const QString& tekst);

// Whether naziv begins with what the desk typed, letters folded.
bool pocinjeSa(const QString& naziv, const QString& kucano);

} // namespace pretraga
