#pragma once

#include "data/Database.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// A temporary program folder with an aliases file whose alias "LB" points at
// a fresh embedded database, optionally filled with the schema and the demo
// data. The program folder function points at it while the object lives.
class TestProgramFolder
{
public:
    enum Content { Empty, Schema, Demo };

    explicit TestProgramFolder(Content content = Schema);
    ~TestProgramFolder();

    QString path() const; // ends with '/'
    QString file(const QString &name) const { return path() + name; }
    QString databaseFile() const { return file(QStringLiteral("test.db")); }

    void writeFile(const QString &name, const QString &text) const;
    QString readFile(const QString &name) const;

    // Opens the database "LB" (the alias of this folder) for tests that need
    // no data module.
    Database &openDatabase();

    static QString sourceFile(const QString &relative); // file of the source tree

    // The demo report folder (db/program/Report) copied into Report/, as the
    // program stages it; false when a file cannot be copied.
    bool copyDemoReports(const QStringList &nameFilters = {}) const;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Database> m_db;
};

// Fails the test with the exception's message instead of an unexplained throw.
#define OVO_TRY(statement)                                                                                   \
    do {                                                                                                     \
        try {                                                                                                \
            statement;                                                                                       \
        } catch (const std::exception &e_) {                                                                 \
            QFAIL(qPrintable(QStringLiteral("%1 threw: %2")                                                  \
                                 .arg(QStringLiteral(#statement), QString::fromUtf8(e_.what()))));           \
        }                                                                                                    \
    } while (false)
