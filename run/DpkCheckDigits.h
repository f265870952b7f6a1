#pragma once

#include <QString>

// The two check characters of a payment reference key ("KljucDPK"): a
// modulo-10 digit over "9002" and the seven-digit control value, then a
// modulo-11 digit over the value and the first digit. Only the part before a
// "/" counts; an empty value or "00000" gives two blanks. A character that is
// not a digit throws EConvertError.
QString DpkCheckDigits(const QString &controlValue);
