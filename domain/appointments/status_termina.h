#pragma once

#include <QString>

#include <optional>

// What became of a booking. The database keeps each status as a short code of its own; the desk
// reads its Serbian word.
namespace status_termina {

enum class Status { Zakazan, Dosao, NijeDosao, Otkazan };

// The stored code: "zakazan", "dosao", "nije_dosao", "otkazan".
QString kod(Status status);
// The status of a stored code; none for a code this program does not know.
std::optional<Status> izKoda(const QString& kod);
// The word the sheet, the lists and the printed day show: "zakazan", "došao", "nije došao",
// "otkazan".
QString naziv(Status status);

} // namespace status_termina
