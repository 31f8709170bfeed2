#include "domain/search/odabir.h"

#include "domain/search/pravila.h"

namespace pretraga {

QString zaPoredjenje(const QString& tekst) {
    return sklopi(tekst).replace(QLatin1String("dj"), QLatin1String("d"));
}

bool pocinjeSa(const QString& naziv, const QString& kucano) {
    // What was typed keeps its "dj": "Dj" is the start of "Đurić", not of "Dimić".
    const QString trazeno = sklopi(kucano);
    return sklopi(naziv).startsWith(trazeno) || zaPoredjenje(naziv).startsWith(trazeno);
}

} // namespace pretraga
