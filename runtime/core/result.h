#pragma once

#include <QString>

#include <utility>

// What a statement, or a workflow of several, came to, handed back at the call: its value, or the
// database's code and text, and the rows it wrote or read. Nothing of it stays behind in the
// connection, so the outcome a caller reads is always the one of the call in front of it.
//
//   Result<>                    a write, a COMMIT or ROLLBACK: the outcome alone
//   Result<int>                 a key the database generated
//   Result<std::optional<T>>    a singleton select: none when there was no row (code 100) or NULL
//   Result<QList<T>>            rows in fetch order; after a failed fetch, the rows before it
//   Result<Ishod>               a save of the domain (domain/common/ishod.h)
//
// The names are those the program has always read after a statement: sqlcode 0 on success, 100
// when there was no (further) row, negative on failure with the database's own text in sqlerrtext;
// sqlnrows the rows an INSERT, UPDATE or DELETE touched, or the rows a read gave.
template <class T = void> struct Result;

template <> struct Result<void> {
    static constexpr int Success = 0;
    static constexpr int NotFound = 100;
    static constexpr int Failure = -1;

    // Where a read stopped. The screens tell a query that could not be opened ("DataBase Error!")
    // from a fetch that failed ("DataBase Error").
    enum class Stage { Finished, OpenFailed, FetchFailed };

    int sqlcode = Success;
    QString sqlerrtext;
    int sqlnrows = 0;
    Stage stage = Stage::Finished;

    bool failed() const { return sqlcode < 0; }
    bool succeeded() const { return sqlcode == Success; }
    // The outcome alone, to hand on with another value: `return procitano.outcome();`.
    const Result<void>& outcome() const { return *this; }

    static Result<void> done(int code = Success, int rows = 0) {
        Result<void> result;
        result.sqlcode = code;
        result.sqlnrows = rows;
        return result;
    }
    static Result<void> failure(const QString& text, Stage stage = Stage::OpenFailed) {
        Result<void> result;
        result.sqlcode = Failure;
        result.sqlerrtext = text;
        result.stage = stage;
        return result;
    }
};

template <class T> struct Result : Result<void> {
    T value{};

    Result() = default;
    Result(const Result<void>& outcome, T v = T()) : Result<void>(outcome), value(std::move(v)) {}
    // Another kind of result does not become this one by the way: its value would be lost
    // unseen. Hand on its outcome() instead.
    template <class U> Result(const Result<U>&) = delete;
};
