// The layers link one way only: runtime core <- domain <- screens <- application, and runtime core
// <- runtime widgets <- screens. This
// reads every source file's includes and names each one that reaches up a layer, so a wrong
// include fails here even where the build would happen to find the header; and it keeps the
// screens and the application away from the database but through the domain.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

struct Include {
    QString file; // relative to the source folder
    int line;
    QString header;
    bool quoted;
};

QString sourceRoot() {
    return QStringLiteral(MAB_SOURCE_DIR);
}

// Every line of code under folder, comments left out, with its file and number (in `header`).
QList<Include> codeUnder(const QString& folder) {
    QList<Include> found;
    const QDir root(sourceRoot());
    QDirIterator it(root.filePath(folder), {QStringLiteral("*.h"), QStringLiteral("*.cpp")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        int number = 0;
        while (!file.atEnd()) {
            const QString text = QString::fromUtf8(file.readLine());
            ++number;
            found << Include{root.relativeFilePath(path), number,
                             text.left(text.indexOf(QLatin1String("//"))).trimmed(), false};
        }
    }
    return found;
}

QList<Include> includesUnder(const QString& folder) {
    static const QRegularExpression directive(
        QStringLiteral("^\\s*#\\s*include\\s*([<\"])([^>\"]+)[>\"]"));
    QList<Include> found;
    for (const Include& line : codeUnder(folder)) {
        const auto match = directive.match(line.header);
        if (match.hasMatch())
            found << Include{line.file, line.line, match.captured(2),
                             match.captured(1) == QLatin1String("\"")};
    }
    return found;
}

// The header names of Qt's Gui and Widgets modules, which the core may not use.
QSet<QString> guiHeaders() {
    QSet<QString> names;
    for (const QString& dir : QStringLiteral(MAB_QT_GUI_HEADER_DIRS).split(QLatin1Char('|'))) {
        if (!dir.endsWith(QLatin1String("/QtGui")) && !dir.endsWith(QLatin1String("/QtWidgets")))
            continue;
        for (const QString& name : QDir(dir).entryList(QDir::Files))
            names << name;
    }
    return names;
}

QString describe(const Include& include) {
    return QStringLiteral("%1:%2 includes %3")
        .arg(include.file)
        .arg(include.line)
        .arg(include.header);
}

} // namespace

class TestLayers : public QObject {
    Q_OBJECT

private slots:
    void nothingIncludesAHigherLayer_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("forbidden"); // prefixes of quoted includes
        const QStringList pages{"ui/addressbook/",  "ui/lab/",    "ui/reception/",
                                "ui/appointments/", "ui/search/", "ui/main/"};
        QTest::newRow("runtime") << "runtime" << QStringList{"domain/", "ui/", "app/"};
        QTest::newRow("runtime core") << "runtime/core" << QStringList{"runtime/widgets/"};
        QTest::newRow("domain") << "domain" << QStringList{"runtime/widgets/", "ui/", "app/"};
        QTest::newRow("screens") << "ui" << QStringList{"app/"};
        QTest::newRow("screens' common part") << "ui/common" << pages;
    }
    void nothingIncludesAHigherLayer() {
        QFETCH(QString, folder);
        QFETCH(QStringList, forbidden);
        const QList<Include> includes = includesUnder(folder);
        QVERIFY2(!includes.isEmpty(),
                 qPrintable(QStringLiteral("no includes found under ") + folder));
        QStringList wrong;
        for (const Include& include : includes)
            for (const QString& prefix : forbidden)
                if (include.quoted && include.header.startsWith(prefix))
                    wrong << describe(include);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }

    // Screens and the application reach the database only through the domain's functions over the
    // connection they were handed: no Qt SQL, none of the runtime's reading machinery, and none of
    // the connection's globals.
    void screensReachTheDatabaseOnlyThroughTheDomain_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("screens") << "ui";
        QTest::newRow("application") << "app";
    }
    void screensReachTheDatabaseOnlyThroughTheDomain() {
        QFETCH(QString, folder);
        static const QStringList machinery{
            "runtime/core/cursor_reader.h",   "runtime/core/block_reader.h",
            "runtime/core/background_read.h", "runtime/core/after_block_read.h",
            "runtime/core/dynamic_sql.h",     "runtime/core/sql_outcome.h",
            "runtime/core/sql_literals.h",    "runtime/core/odbc_describe.h",
            "runtime/core/generated_key.h"};
        QStringList wrong;
        for (const Include& include : includesUnder(folder))
            if (include.quoted ? machinery.contains(include.header)
                               : include.header.startsWith(QLatin1String("QtSql/")) ||
                                     include.header.startsWith(QLatin1String("QSql")))
                wrong << describe(include);
        static const QRegularExpression global(
            QStringLiteral("\\bsqlca\\s*\\(\\s*\\)|\\bsqlsa\\b|\\bsqlda\\b|builtins\\(\\)\\s*\\."
                           "\\s*(sqlca|error)\\b"));
        for (const Include& line : codeUnder(folder))
            if (global.match(line.header).hasMatch())
                wrong << QStringLiteral("%1:%2: %3").arg(line.file).arg(line.line).arg(line.header);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }

    void theCoreAndTheDomainUseNoWindowsOrPainting_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("runtime core") << "runtime/core";
        QTest::newRow("domain") << "domain";
    }
    void theCoreAndTheDomainUseNoWindowsOrPainting() {
        QFETCH(QString, folder);
        const QSet<QString> gui = guiHeaders();
        QVERIFY2(gui.contains(QStringLiteral("QWidget")) && gui.contains(QStringLiteral("QFont")),
                 "the Qt Gui and Widgets headers were not found");
        QStringList wrong;
        for (const Include& include : includesUnder(folder)) {
            if (include.quoted)
                continue;
            const QString name = include.header.section(QLatin1Char('/'), -1);
            if (include.header.startsWith(QLatin1String("QtGui/")) ||
                include.header.startsWith(QLatin1String("QtWidgets/")) || gui.contains(name))
                wrong << describe(include);
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestLayers)
#include "tst_layers.moc"
