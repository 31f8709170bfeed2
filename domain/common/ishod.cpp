#include "domain/common/ishod.h"

#include "runtime/core/transaction.h"

namespace ishod {

Ishod::Kraj kraj(const Result<Ishod>& ishod) {
    if (ishod.failed())
        return Ishod::Kraj::Neupisano;
    return ishod.value.obavestenje.isEmpty() ? Ishod::Kraj::Upisano : Ishod::Kraj::Obavestenje;
}

Result<Ishod> obavestenje(const QString& tekst) {
    Result<Ishod> ishod;
    ishod.value.obavestenje = tekst;
    return ishod;
}

Result<Ishod> upisano(int rbr, int verzija) {
    Result<Ishod> ishod;
    ishod.value.rbr = rbr;
    ishod.value.verzija = verzija;
    return ishod;
}

Result<Ishod> odbijeno(Transaction& sqlca, const Result<>& odbijen,
                       const std::function<QString()>& objasni) {
    sqlca.rollback();
    if (objasni)
        if (const QString zasto = objasni(); !zasto.isEmpty())
            return obavestenje(zasto);
    return Result<Ishod>(odbijen);
}

Result<Ishod> potvrdi(Transaction& sqlca, const Result<Ishod>& upisan,
                      const std::function<QString()>& objasni) {
    if (const Result<> potvrdjeno = sqlca.commit(); potvrdjeno.failed())
        return odbijeno(sqlca, potvrdjeno, objasni);
    return upisan;
}

} // namespace ishod
