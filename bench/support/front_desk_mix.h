#pragma once

// The front desk's mix of actions for bench_desks, each through the domain's own functions on the
// desk's transaction, as the pages call them: the address book's letter list and one entry, a
// visit saved, a day picked and a slot booked or a booking moved, a search, an order saved.
#include "bench/support/lab_orders.h"
#include "bench/support/search_first_page.h"
#include "domain/addressbook/adresar_sql.h"
#include "domain/appointments/calendar_rules.h"
#include "domain/appointments/zakazivanje_sql.h"
#include "domain/appointments/zakazivanje_upis.h"
#include "domain/lab/nalog_upis.h"
#include "domain/reception/poseta_upis.h"
#include "runtime/core/dates.h"
#include "runtime/core/decimal.h"

#include <QList>
#include <QString>

#include <array>
#include <random>

namespace front_desk {

enum class Action { Letter, Entry, Visit, Book, Move, Search, Order };
constexpr int ActionCount = 7;
// How often each comes in a busy hour, in the order above: reading the book twice as often as
// each of the rest.
constexpr std::array<int, ActionCount> Weights{2, 2, 2, 1, 1, 1, 1};

inline const char* name(Action action) {
    static const char* const names[] = {
        "letter list",    "opening an entry",   "saving a visit", "day and a booking",
        "day and a move", "search, first page", "saving an order"};
    return names[static_cast<int>(action)];
}

// What the desks work on: the address book's size, the doctors, and the days. The filler's
// bookings fill every half hour of each doctor's days in [filledFrom, filledTo]; the days from
// freeFrom on are free, so that a booking there finds a slot and a move has somewhere to go.
struct Practice {
    int patients = 0;
    QList<int> doctors;
    QDate filledFrom;
    QDate filledTo;
    QDate freeFrom;
    int freeDays = 90;
};

// How one action ended: written or read, refused in the desk's words (a slot another desk took
// first, a booking another desk moved first), or failed (the database refused, nothing was read).
struct Outcome {
    enum class End { Done, Refused, Failed } end = End::Done;
    QString text;
};

class Desk {
public:
    Desk(Transaction& sqlca, const Practice& practice, unsigned seed)
        : m_sqlca(sqlca), m_practice(practice), m_random(seed) {}

    Action next() { return static_cast<Action>(m_mix(m_random)); }
    Outcome run(Action action) {
        switch (action) {
        case Action::Letter:
            return letterList();
        case Action::Entry:
            return openEntry();
        case Action::Visit:
            return saveVisit();
        case Action::Book:
            return book();
        case Action::Move:
            return move();
        case Action::Search:
            return search();
        case Action::Order:
            return saveOrder();
        }
        return {Outcome::End::Failed, QStringLiteral("no such action")};
    }

private:
    int any(int from, int to) { return std::uniform_int_distribution<int>(from, to)(m_random); }
    int patient() { return any(1, m_practice.patients); }
    static Outcome of(const Result<>& read) {
        return read.failed() ? Outcome{Outcome::End::Failed, read.sqlerrtext} : Outcome{};
    }
    static Outcome of(const Result<Ishod>& saved) {
        switch (ishod::kraj(saved)) {
        case Ishod::Kraj::Upisano:
            return {};
        case Ishod::Kraj::Obavestenje:
            return {Outcome::End::Refused, saved.value.obavestenje};
        case Ishod::Kraj::Neupisano:
            break;
        }
        return {Outcome::End::Failed, saved.sqlerrtext};
    }

    Outcome letterList() {
        static const QStringList letters =
            QStringLiteral("A B C Č Ć D Đ E F G H I J K L M N O P R S Š T U V Z Ž")
                .split(QLatin1Char(' '));
        const QString letter = letters.at(any(0, int(letters.size()) - 1));
        return of(adresar_sql::spisak(m_sqlca, letter + QLatin1Char('%'), QStringLiteral("%")));
    }
    Outcome openEntry() {
        const Result<QList<AdresarUnos>> entry = adresar_sql::unos(m_sqlca, patient());
        if (!entry.failed() && entry.value.size() != 1)
            return {Outcome::End::Failed, QStringLiteral("the entry was not found")};
        return of(entry);
    }
    Outcome saveVisit() {
        poseta_upis::Poseta poseta;
        poseta.rbrAdresar = patient();
        poseta.datum = Today();
        poseta.brojProtokola = QStringLiteral("%1/2026").arg(any(1, 99999));
        poseta.lekar = QStringLiteral("dr Milica Jovanović");
        poseta.polja = {{QStringLiteral("sle_starost"), QStringLiteral("36")},
                        {QStringLiteral("mle_pusenje"), QStringLiteral("Ne puši.")},
                        {QStringLiteral("mle_radnadiag"),
                         QStringLiteral("Hipertenzija, kontrola za mesec dana.")}};
        return of(poseta_upis::sacuvaj(m_sqlca, poseta));
    }
    // Picking a day reads its sheet and the bold days of the two calendars (its month and the
    // next), as the page does.
    Result<QList<zakazivanje_sql::Termin>> pickDay(int lekar, const QDate& day) {
        const QDate month = calendar::startofmonth(day);
        for (const QDate& first : {month, month.addMonths(1)})
            if (const auto bold = zakazivanje_sql::zauzetiDani(m_sqlca, lekar, first,
                                                               calendar::endofmonth(first));
                bold.failed())
                return bold.outcome();
        return zakazivanje_sql::terminiDana(m_sqlca, lekar, day);
    }
    // A free half hour of the day's sheet as read; none when the day is full.
    std::optional<QTime> freeSlot(const QList<zakazivanje_sql::Termin>& sheet) {
        QList<QTime> free;
        for (int half = 0; half < 31; ++half) { // 07:00, 07:30, ..., 22:00
            const QTime t = QTime(7, 0).addSecs(half * 1800);
            if (std::none_of(sheet.begin(), sheet.end(), [t](const auto& termin) {
                    return termin.vreme == t && termin.status != status_termina::Status::Otkazan;
                }))
                free << t;
        }
        if (free.isEmpty())
            return std::nullopt;
        return free.at(any(0, int(free.size()) - 1));
    }
    // A free slot of a free day of the doctor's, the day picked first.
    Result<std::optional<zakazivanje_upis::Mesto>> freePlace(int lekar) {
        const QDate day = m_practice.freeFrom.addDays(any(0, m_practice.freeDays - 1));
        const Result<QList<zakazivanje_sql::Termin>> sheet = pickDay(lekar, day);
        if (sheet.failed())
            return sheet.outcome();
        const std::optional<QTime> slot = freeSlot(sheet.value);
        if (!slot)
            return Result<>::done();
        return {Result<>::done(), zakazivanje_upis::Mesto{lekar, day, *slot}};
    }
    int doctor() { return m_practice.doctors.at(any(0, int(m_practice.doctors.size()) - 1)); }
    Outcome book() {
        const auto place = freePlace(doctor());
        if (place.failed() || !place.value)
            return place.failed() ? of(place)
                                  : Outcome{Outcome::End::Refused, QStringLiteral("day full")};
        return of(
            zakazivanje_upis::zakazi(m_sqlca, *place.value, patient(), QStringLiteral("kontrola")));
    }
    // A booking of a full day moved to a free slot of a later one, both days picked in turn.
    Outcome move() {
        const int lekar = doctor();
        const QDate from = m_practice.filledFrom.addDays(
            any(0, int(m_practice.filledFrom.daysTo(m_practice.filledTo))));
        const Result<QList<zakazivanje_sql::Termin>> sheet = pickDay(lekar, from);
        if (sheet.failed())
            return of(sheet);
        QList<zakazivanje_sql::Termin> booked;
        for (const zakazivanje_sql::Termin& termin : sheet.value)
            if (termin.status == status_termina::Status::Zakazan)
                booked << termin;
        if (booked.isEmpty())
            return {Outcome::End::Refused, QStringLiteral("nothing to move")};
        const zakazivanje_sql::Termin& termin = booked.at(any(0, int(booked.size()) - 1));
        const auto place = freePlace(lekar);
        if (place.failed() || !place.value)
            return place.failed() ? of(place)
                                  : Outcome{Outcome::End::Refused, QStringLiteral("day full")};
        return of(zakazivanje_upis::premesti(m_sqlca, termin.rbr, termin.verzija, *place.value));
    }
    Outcome search() {
        return of(
            pretraga_sql::trazi(m_sqlca, pretraga_sql::sastavi(twoCriteria(), Today(), 0, 10)));
    }
    Outcome saveOrder() {
        nalog_upis::Nalog nalog;
        nalog.rbrAdresar = patient();
        nalog.datum = Today();
        nalog.popust = QStringLiteral("10");
        nalog.cenaHem = Decimal::fromText(QStringLiteral("100"));
        nalog.ukupnoHem = Decimal::fromText(QStringLiteral("90"));
        nalog.ukupnoBiohem = Decimal::fromText(QStringLiteral("120.5"));
        nalog.ukupnoUrin = Decimal::fromText(QStringLiteral("0"));
        nalog.svega = Decimal::fromText(QStringLiteral("210.5"));
        nalog.stavke = orders_bench::analyses();
        return of(nalog_upis::sacuvaj(m_sqlca, nalog));
    }

    Transaction& m_sqlca;
    const Practice& m_practice;
    std::mt19937 m_random;
    std::discrete_distribution<int> m_mix{Weights.begin(), Weights.end()};
};

} // namespace front_desk
