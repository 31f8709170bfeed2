#pragma once

#include <QRegularExpression>
#include <QString>

#include <cstdio>
#include <cstdlib>

// A broken rule aborts, so that libFuzzer keeps the input that broke it as a crash artifact.
#define FUZZ_CHECK(condition, input)                                                               \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "rule broken: %s\ninput: \"%s\"\n", #condition,                   \
                         qUtf8Printable(input));                                                   \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

inline QString fuzzText(const uint8_t* data, size_t size) {
    return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
}

// What an amount in a "0.00" field may look like: digits, a point and two decimals, nothing else
// (never "nan", "inf" or an exponent).
inline bool looksLikeAmount(const QString& shown) {
    static const QRegularExpression pattern(QStringLiteral("^-?\\d+\\.\\d\\d$"));
    return pattern.match(shown).hasMatch();
}
