#pragma once

#include <QString>
#include <QStringList>

// Small text and system helpers.
QString ReadIni(const QString &file, const QString &section, const QString &key, const QString &defaultValue);
// The host name; "BLANK" after an error box when it cannot be read.
QString ComputerName();
QString FirstWord(const QString &text);
QString AfterFirstWord(const QString &text);
// Index of the first item whose code matches, or -1. An item with a blank is
// compared by its first word, trimmed; one without a blank as it stands.
int IndexOfCode(const QStringList &items, const QString &code);
