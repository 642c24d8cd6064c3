// Program entry: the data module, the main window and the file-name dialog,
// created in this order and destroyed in the reverse one.
#include <QApplication>
#include <QIcon>

#include <exception>

#include "app/main_window.h"
#include "app/message_boxes.h"
#include "profiles/data_module.h"
#include "profiles/widgets/gear_picture.h"
#include "scan/acquisition/sane/sane_config.h"
#include "scan/widgets/file_name_dlg.h"

int main(int argc, char* argv[]) {
  using namespace quorvane;
  UseProjectSaneConfig();
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quorvane"));
  QApplication::setDesktopFileName(QStringLiteral("quorvane"));
  // The installed icon; run from the build tree, the settings tile's gear.
  QApplication::setWindowIcon(
      QIcon::fromTheme(QStringLiteral("quorvane"), QIcon(GearPicture(64, QColor(0x2d, 0x7d, 0x9a)))));

  TDM DM;
  try {
    DM.DataModuleCreate();
  } catch (const std::exception& error) {
    // The program goes on with an empty table; the unreadable file is kept.
    ShowMessageBox(nullptr, QString::fromUtf8(error.what()));
  }

  int status = 0;
  {
    TMainFm MainFm(DM);
    if (MainFm.FormCreate()) {
      TFileNameDlg FileNameDlg(&MainFm);
      MainFm.SetFileNameDlg(&FileNameDlg);
      MainFm.show();
      status = QApplication::exec();
      MainFm.SetFileNameDlg(nullptr);
    } else {
      status = 1;
    }
  }

  try {
    DM.DataModuleDestroy();
  } catch (const std::exception& error) {
    ShowMessageBox(nullptr, QString::fromUtf8(error.what()));
    return 1;
  }
  return status;
}
