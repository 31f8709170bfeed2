#include "domain/search/pravila.h"

namespace pretraga {

namespace {

QString tekstStarosti(const Kriterijum& kriterijum) {
    const QString godine = kriterijum.tekst.trimmed();
    switch (kriterijum.vrednost) {
    case Vrednost::Vece:
        return QStringLiteral("Starost veća od %1").arg(godine);
    case Vrednost::Manje:
        return QStringLiteral("Starost manja od %1").arg(godine);
    default:
        return QStringLiteral("Starost tačno %1").arg(godine);
    }
}

QString tekstVrednosti(Vrednost vrednost) {
    switch (vrednost) {
    case Vrednost::Sve:
        return QStringLiteral("bilo koja vrednost");
    case Vrednost::Vece:
        return QStringLiteral("vrednost iznad granica");
    case Vrednost::Manje:
        return QStringLiteral("vrednost ispod granica");
    default:
        return QStringLiteral("vrednost u granicama");
    }
}

QString tekstNalaza(const Kriterijum& kriterijum) {
    // Joined piece by piece: the typed text may hold "%1" of its own.
    const QString analiza = kriterijum.tekst.trimmed();
    return naziv(kriterijum.polje) +
           (analiza.isEmpty() ? QStringLiteral(", bilo koja analiza")
                              : QStringLiteral(" sadrži „") + analiza + QStringLiteral("“")) +
           QStringLiteral(", ") + tekstVrednosti(kriterijum.vrednost) +
           QStringLiteral(" (nalozi %1-%2)").arg(kriterijum.od).arg(kriterijum.do_);
}

} // namespace

std::optional<int> godineStarosti(const QString& tekst) {
    bool broj = false;
    const int godine = tekst.trimmed().toInt(&broj);
    if (!broj || godine < 0 || godine > 150)
        return std::nullopt;
    return godine;
}

QString sklopi(const QString& tekst) {
    const QString sastavljen = tekst.normalized(QString::NormalizationForm_C);
    QString sklopljen;
    sklopljen.reserve(sastavljen.size());
    for (const QChar c : sastavljen) {
        switch (c.unicode()) {
        case 0x010C: // Č
        case 0x010D: // č
        case 0x0106: // Ć
        case 0x0107: // ć
            sklopljen += QLatin1Char('c');
            break;
        case 0x0160: // Š
        case 0x0161: // š
            sklopljen += QLatin1Char('s');
            break;
        case 0x017D: // Ž
        case 0x017E: // ž
            sklopljen += QLatin1Char('z');
            break;
        case 0x0110: // Đ
        case 0x0111: // đ
            sklopljen += QLatin1String("dj");
            break;
        default:
            sklopljen +=
                (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ? QChar(c.unicode() + 32) : c;
        }
    }
    return sklopljen;
}

QString uzorak(const QString& tekst) {
    QString sadrzaj;
    for (const QChar c : sklopi(tekst.trimmed())) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char(EscapeZnak))
            sadrzaj += QLatin1Char(EscapeZnak);
        sadrzaj += c;
    }
    return QLatin1Char('%') + sadrzaj + QLatin1Char('%');
}

std::optional<QDate> datumRodjenja(const QString& mbr) {
    if (mbr.size() < 7)
        return std::nullopt;
    for (int i = 0; i < 7; ++i)
        if (mbr.at(i) < QLatin1Char('0') || mbr.at(i) > QLatin1Char('9'))
            return std::nullopt;
    const int ggg = mbr.mid(4, 3).toInt();
    int godina = 0;
    if (ggg >= 900)
        godina = 1000 + ggg;
    else if (ggg < 100)
        godina = 2000 + ggg;
    else
        return std::nullopt;
    const QDate datum(godina, mbr.mid(2, 2).toInt(), mbr.mid(0, 2).toInt());
    if (!datum.isValid())
        return std::nullopt;
    return datum;
}

int starost(const QDate& rodjen, const QDate& danas) {
    int godine = danas.year() - rodjen.year();
    if (danas.month() < rodjen.month() ||
        (danas.month() == rodjen.month() && danas.day() < rodjen.day()))
        --godine;
    return godine;
}

RasponRodjenja rasponRodjenja(int godine, Vrednost vrednost, const QDate& danas) {
    // Whoever is born on or before danas less n years has turned n; addYears puts 29 February on
    // 28 February, where such a birthday has not yet come.
    RasponRodjenja raspon;
    switch (vrednost) {
    case Vrednost::Vece: // at least godine + 1
        raspon.najkasnije = danas.addYears(-(godine + 1));
        break;
    case Vrednost::Manje: // at most godine - 1
        raspon.posle = danas.addYears(-godine);
        break;
    default:
        raspon.posle = danas.addYears(-(godine + 1));
        raspon.najkasnije = danas.addYears(-godine);
    }
    return raspon;
}

QString zastoNe(const QList<Kriterijum>& paneli) {
    const QList<Kriterijum> taj = ucesnici(paneli);
    if (taj.isEmpty())
        return QStringLiteral("Upišite tekst u bar jedan kriterijum pretrage.");
    for (const Kriterijum& kriterijum : taj) {
        if (kriterijum.polje == Polje::Starost && !godineStarosti(kriterijum.tekst))
            return QStringLiteral("Starost se zadaje celim brojem godina (0 do 150), a upisano "
                                  "je „%1“.")
                .arg(kriterijum.tekst.trimmed());
        if ((jePoseta(kriterijum.polje) || jeLaboratorija(kriterijum.polje)) &&
            kriterijum.od > kriterijum.do_)
            return QStringLiteral("Godina „Od“ (%1) je posle godine „Do“ (%2). Izaberite godine "
                                  "tako da „Od“ ne bude posle „Do“.")
                .arg(kriterijum.od)
                .arg(kriterijum.do_);
    }
    return QString();
}

QString upitRecima(const QList<Kriterijum>& paneli) {
    QString upit;
    const QList<Kriterijum> taj = ucesnici(paneli);
    for (qsizetype i = 0; i < taj.size(); ++i) {
        const Kriterijum& kriterijum = taj.at(i);
        if (i > 0)
            upit += QLatin1Char(' ') + naziv(kriterijum.veznik) + QLatin1Char(' ');
        else if (kriterijum.veznik == Veznik::NE)
            upit += naziv(kriterijum.veznik) + QLatin1Char(' ');
        if (kriterijum.polje == Polje::Starost)
            upit += tekstStarosti(kriterijum);
        else if (jeLaboratorija(kriterijum.polje))
            upit += tekstNalaza(kriterijum);
        else
            upit += QStringLiteral("%1 sadrži „%2“")
                        .arg(naziv(kriterijum.polje), kriterijum.tekst.trimmed());
        if (jePoseta(kriterijum.polje))
            upit += QStringLiteral(" (posete %1-%2)").arg(kriterijum.od).arg(kriterijum.do_);
    }
    return upit;
}

QString opisStrane(int prvi, int broj, int ukupno) {
    if (ukupno <= 0 || broj <= 0)
        return QStringLiteral("Nema rezultata.");
    return QStringLiteral("%1-%2 od %3").arg(prvi).arg(prvi + broj - 1).arg(ukupno);
}

} // namespace pretraga
