#pragma once

#include <QString>
#include <QtGlobal>

namespace quorvane {

// The data folder ("beside the program"): $QUORVANE_HOME when set, otherwise
// $XDG_DATA_HOME/Quorvane, by default ~/.local/share/Quorvane. Created when
// missing. Returned without a closing "/"; callers append "/" and a file name.
QString GetProgramFolder();

// The path without its last character when that is a "/"; only one is removed.
QString StripTrailingBackslash(const QString& path);

// The user's temporary folder without a closing "/".
QString GetTempFolder();

// A file name in `folder` made of up to three characters of `prefix`, up to four
// upper-case hexadecimal digits and ".TMP". With `unique` 0 the first free number
// is chosen and the empty file is created exclusively, which reserves the name
// even against other processes; otherwise the name is only formatted from
// `unique`. Returns the full path when `fullPath` is set, else the file name.
// Throws std::system_error when the folder does not take the file, and
// std::invalid_argument for a prefix that would leave the folder.
QString GetUniqueTempFileName(const QString& prefix, quint16 unique, const QString& folder, bool fullPath);

// `fileName` without its extension (from the last dot after the last "/"),
// followed by `extension`, which includes its dot (".tif").
QString ReplaceFileExt(const QString& fileName, const QString& extension);

// A new GUID as 38 characters: braces and upper-case hexadecimal groups.
QString NewGuidString();

// The logged-on user's name from the password database; empty when unknown.
QString GetLocalUserName();

// The host name; empty when the system does not tell it.
QString GetComputerNameStr();

// True when `name` (a document name without extension) is not empty and holds
// none of " * . / : < > \ | and no NUL. The Windows characters stay refused so
// names remain usable on Windows shares.
bool IsValidFileName(const QString& name);

// Per-user settings. `key` is a group path below the program's own store, such
// as "Scanner" or "FormStore/MainFm"; "\" works as separator as well.
// Reading a missing group or value gives an empty text.
QString ReadRegString(const QString& key, const QString& name);
// Writes a text value, creating the group; a store that cannot be written is
// left alone without a report.
void WriteRegString(const QString& key, const QString& name, const QString& text);

}  // namespace quorvane
