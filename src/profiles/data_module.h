#pragma once

#include <QString>

#include "profiles/memdata.h"
#include "profiles/memdata_field.h"

namespace quorvane {

// The data module: owns the profile table for the whole run, loads it from
// "Vantel.dat" in the data folder at the start and writes it back at the end.
class TDM {
 public:
  TDM() = default;
  TDM(const TDM&) = delete;
  TDM& operator=(const TDM&) = delete;

  // Loads the profile file, or writes the empty one on a first start.
  // A file that cannot be read leaves the table empty and throws
  // TProfileReadError; the file stays where it is until the table is first
  // written, and is then moved aside (see MoveAsideDamagedFile), as is a file
  // whose last record was cut off or that holds values the table cannot take. A first file that cannot be written throws
  // TProfileWriteError. Failures are logged.
  void DataModuleCreate();
  // Posts pending changes and writes the table to the profile file. Throws
  // TProfileWriteError (after logging it) when the file cannot be written.
  void DataModuleDestroy();

  const QString& ProfileFileName() const { return profileFileName_; }
  // Where the old profile file was moved before the table was written over
  // it; empty when it was not.
  const QString& KeptFileName() const { return keptFileName_; }

  TMemData MemData;
  TMemDataField MemDataID{MemData, pfID};
  TMemDataField MemDataTitel{MemData, pfVantelTitel};
  TMemDataField MemDataVantelColor{MemData, pfVantelColor};
  TMemDataField MemDataFolder{MemData, pfFolder};
  TMemDataField MemDataFileName{MemData, pfAutoFileNameVar};
  TMemDataField MemDataFarbe{MemData, pfFarbe};
  TMemDataField MemDataDPI{MemData, pfDPI};
  TMemDataField MemDataInputSize{MemData, pfInputSize};
  TMemDataField MemDataOutputSize{MemData, pfOutputSize};
  TMemDataField MemDataPreviewSize{MemData, pfPreviewSize};
  TMemDataField MemDataDuplex{MemData, pfDuplex};
  TMemDataField MemDataScanBarCode{MemData, pfScanBarCode};
  TMemDataField MemDataDelete1StPage{MemData, pfDelete1StPage};
  TMemDataField MemDataSettings{MemData, pfSettings};
  TMemDataField MemDataShowPrefix{MemData, pfShowPrefix};
  TMemDataField MemDataTypStr{MemData, pfTypStr};
  TMemDataField MemDataStapel{MemData, pfStapel};
  TMemDataField MemDataRemoveBlankPage{MemData, pfRemoveBlankPage};
  TMemDataField MemDataRBPToleranz{MemData, pfRBPToleranz};
  TMemDataField MemDataBARCODEWORDS{MemData, pfBARCODEWORDS};
  TMemDataField MemDataSaveAsTif{MemData, pfSaveAsTif};
  TMemDataField MemDataShowFilename{MemData, pfShowFilename};
  TMemDataField MemDataFileCount{MemData, pfFileCount};

 private:
  void LoadProfiles();
  void SaveProfiles();

  QString profileFileName_;
  // The file on disk holds what the table does not: keep it before writing.
  bool keepOldFile_ = false;
  QString keptFileName_;
};

}  // namespace quorvane
