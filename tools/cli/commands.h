#pragma once

#include <QStringList>

// Each command takes the arguments after its name and returns the exit status.
namespace quorvane::cli {
int RunProfilesCommand(const QStringList& args);
int RunSaveCommand(const QStringList& args);
int RunScanCommand(const QStringList& args);
int RunScannersCommand(const QStringList& args);
}  // namespace quorvane::cli
