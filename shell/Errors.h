#pragma once

#include <QString>
#include <exception>

// Errors travel as exceptions carrying a message text. className() names the
// kind of error, because some messages are composed from it (the sequence error
// text starts with the caught error's class name).
class EError : public std::exception
{
public:
    explicit EError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString &message() const { return m_message; }
    virtual QString className() const { return QStringLiteral("Exception"); }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

#define OVO_DECLARE_ERROR(Name, Base)                                                                        \
    class Name : public Base                                                                                 \
    {                                                                                                        \
    public:                                                                                                  \
        using Base::Base;                                                                                    \
        QString className() const override { return QStringLiteral(#Name); }                                 \
    };

// A failure reported by the database or the database layer.
OVO_DECLARE_ERROR(EDatabaseError, EError)
// A statement the query component refuses to build.
OVO_DECLARE_ERROR(ESQLError, EDatabaseError)
// A text that does not convert to the wanted type.
OVO_DECLARE_ERROR(EConvertError, EError)
// A file that cannot be written or read.
OVO_DECLARE_ERROR(EInOutError, EError)
// Index outside a list.
OVO_DECLARE_ERROR(EListError, EError)

// Thrown where the program must end at once (the start-up checks). The entry
// catches it and returns the exit code; a test catches it instead of dying.
class EProcessExit : public std::exception
{
public:
    explicit EProcessExit(int code) : m_code(code) {}
    int exitCode() const { return m_code; }
    const char *what() const noexcept override { return "process exit"; }

private:
    int m_code;
};
