#pragma once

#include <QString>
#include <QStringList>

namespace quorvane {

// The keyword list of a profile: one keyword per line of its memo. An empty
// memo gives no keywords (every code is accepted); an empty line is a keyword
// that never matches.
QStringList KeyWordLines(const QString& memo);

// The code as keywords compare it: a to z upper-cased, every other character
// (umlauts included) as it is.
QString UpperCaseAtoZ(const QString& text);

// The code `code` of page `pageNumber` (counting from 1) tried against the
// keywords in list order: true at the first keyword the code contains; an
// "Ignore Code" line is logged for every keyword tried before, or for every
// keyword when none matches. No keywords accept every code.
bool AcceptCode(const QString& code, const QStringList& keyWords, int pageNumber);

}  // namespace quorvane
