#include "profiles/data_module.h"

#include <QFile>
#include <QFileInfo>

#include "app/client_routines.h"
#include "app/log.h"
#include "profiles/atomic_file.h"
#include "profiles/damaged_file.h"
#include "profiles/profile_file_error.h"
#include "profiles/profile_file_reader.h"
#include "profiles/profile_file_writer.h"

namespace quorvane {

void TDM::DataModuleCreate() {
  profileFileName_ = GetProgramFolder() + QStringLiteral("/Vantel.dat");
  if (QFileInfo::exists(profileFileName_)) {
    LoadProfiles();
  } else {
    MemData.LoadRows({});
    SaveProfiles();
  }
}

void TDM::DataModuleDestroy() {
  MemData.Post();
  SaveProfiles();
}

void TDM::LoadProfiles() {
  MemData.LoadRows({});
  try {
    QFile file(profileFileName_);
    if (!file.open(QIODevice::ReadOnly)) throw TProfileReadError(file.errorString().toStdString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) throw TProfileReadError(file.errorString().toStdString());
    const TProfileFileContents contents = ReadProfileFile(bytes);
    if (contents.incomplete) {
      WriteLogMsg(QStringLiteral("Profile file %1 ends inside a record; it is kept before the table is saved")
                      .arg(profileFileName_));
    }
    if (contents.valuesDropped) {
      WriteLogMsg(QStringLiteral("Profile file %1 holds values the table cannot take; it is kept before the table is saved")
                      .arg(profileFileName_));
    }
    keepOldFile_ = contents.incomplete || contents.valuesDropped;
    const int renumbered = MemData.LoadRows(contents.rows);
    if (renumbered > 0) {
      WriteLogMsg(QStringLiteral("Profile file %1: %2 profiles without their own ID got new numbers")
                      .arg(profileFileName_)
                      .arg(renumbered));
    }
  } catch (const TProfileReadError& error) {
    keepOldFile_ = true;
    const QString message = QStringLiteral("%1: %2").arg(profileFileName_, QString::fromUtf8(error.what()));
    WriteLogMsg(QStringLiteral("Profile file could not be loaded - %1").arg(message));
    throw TProfileReadError(message.toStdString());
  }
}

void TDM::SaveProfiles() {
  const QByteArray bytes = WriteProfileFile(MemData.Rows());
  try {
    if (keepOldFile_) {
      keptFileName_ = MoveAsideDamagedFile(profileFileName_);
      keepOldFile_ = false;
      if (!keptFileName_.isEmpty()) {
        WriteLogMsg(QStringLiteral("Profile file %1 moved to %2").arg(profileFileName_, keptFileName_));
      }
    }
    WriteFileAtomically(profileFileName_, bytes);
  } catch (const TProfileWriteError& error) {
    WriteLogMsg(QStringLiteral("Profile file could not be saved - %1").arg(QString::fromUtf8(error.what())));
    throw;
  }
}

}  // namespace quorvane
