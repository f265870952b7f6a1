#pragma once

#include <QString>

// One parameter row of the report as a preparatory script sees it. The run
// window reads the values before the script runs: a visible row gives the
// input's current value (and its to-value for a range), a hidden row its
// resolved default.
struct SqlScriptParameter
{
    QString field;       // POLJE: the placeholder "{?name}"; matched trimmed, letter case ignored
    QString dataType;    // TIP_PODATKA: "D", "S", "N", "K", "T"; empty counts as "S"
    QString value;       // text as entered; dates "dd.mm.yyyy"
    QString secondValue; // the to-value of a range; only chooses the report date
    QString caption{};   // NASLOV_PAR: names the field in an error; the placeholder when empty
    bool list = false;   // operator 6: the value is a comma list of literals ('A', 'B' or 1, 2)
};
