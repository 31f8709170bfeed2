#include "domain/appointments/status_termina.h"

#include <array>

namespace status_termina {

namespace {

struct Opis {
    Status status;
    const char* kod;
    const char* naziv;
};

const std::array<Opis, 4> Statusi{{{Status::Zakazan, "zakazan", "zakazan"},
                                   {Status::Dosao, "dosao", "došao"},
                                   {Status::NijeDosao, "nije_dosao", "nije došao"},
                                   {Status::Otkazan, "otkazan", "otkazan"}}};

const Opis& opis(Status status) {
    return Statusi.at(static_cast<std::size_t>(status));
}

} // namespace

QString kod(Status status) {
    return QString::fromLatin1(opis(status).kod);
}

std::optional<Status> izKoda(const QString& kod) {
    for (const Opis& o : Statusi)
        if (kod == QLatin1String(o.kod))
            return o.status;
    return std::nullopt;
}

QString naziv(Status status) {
    return QString::fromUtf8(opis(status).naziv);
}

} // namespace status_termina
