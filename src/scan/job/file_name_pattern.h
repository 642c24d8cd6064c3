#pragma once

#include <QDateTime>
#include <QString>

namespace quorvane {

// What a pattern expands to, and whether it used the document counter.
struct TExpandedName {
  QString name;
  bool counterUsed = false;
};

// Expands the variables of a document-name pattern in their fixed order:
// {Monat} {Jahr} {Tag} {Std} {Min} {Sec} {Datum} {UID} {User} {Host} in any
// letter case, then {barcode} and {KNR} in any letter case, and the counter
// only when the pattern spells "{Zähler}" exactly. Later variables also
// replace text that earlier ones put in.
TExpandedName ExpandFileNamePattern(const QString& pattern, const QString& barcode,
                                    const QString& customerNumber, const QDateTime& now,
                                    int counter);

// A document name may be used when it is not empty and holds no character the
// file system or a Windows share refuses, and no dot (so no extension of its own).
bool CheckFileName(const QString& name);

// The name confirmed in the file-name dialog with its prefixes:
// type prefix - customer number - typed name, each prefix left out when empty.
QString PrefixFileName(const QString& typedName, bool showPrefix, const QString& customerNumber,
                       const QString& typePrefix);

}  // namespace quorvane
