#pragma once

#include <QWidget>

#include <functional>

#include <vector>

#include "profiles/profile_fields.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableView;

namespace quorvane {

class TColorEdit;
class TMemDataModel;
class TPaperSizeBox;
class TPatternEdit;

// The profile editor (PropertiePanel): the grid of all profiles on the left
// and an editor for every field of the current profile on the right. The
// editors change the current row without posting it; choosing another row in
// the grid posts it.
class TProfileEditor : public QWidget {
  Q_OBJECT

 public:
  explicit TProfileEditor(TMemDataModel& model, QWidget* parent = nullptr);

  // The button that adds a profile carries this action.
  void SetAddAction(QAction* action);

  // The scanner list; the window fills it and follows its changes.
  QComboBox* ScannerComboBox() const { return scannerComboBox_; }
  QTableView* Grid() const { return grid_; }

  // The event handlers, named after their controls.
  void DBFolderEditPropertiesButtonClick();
  void FnParamListBoxDblClick();
  void StapelCheckboxPropertiesChange();
  void cxButton3Click();
  // The grid's Delete key: deletes the current profile after a confirmation.
  void DeleteCurrentProfile();

 protected:
  // The grid's Delete key, alone or with Ctrl.
  bool eventFilter(QObject* watched, QEvent* event) override;

 signals:
  // "Öffne Scanner Einstellungen".
  void ScannerSettingsRequested();

 private:
  void BuildControls(QGroupBox* box);
  void BindText(QLineEdit* edit, TProfileField field);
  void BindCheck(QCheckBox* check, TProfileField field);
  void BindSpin(QSpinBox* spin, TProfileField field);
  void BindCombo(QComboBox* combo, TProfileField field);
  // Shows the current row in every editor and the grid.
  void LoadCurrentRow();
  void SelectGridRow();

  TMemDataModel& model_;
  QTableView* grid_ = nullptr;
  QComboBox* scannerComboBox_ = nullptr;
  TColorEdit* colorEdit_ = nullptr;
  QButtonGroup* farbeGroup_ = nullptr;
  QLineEdit* folderEdit_ = nullptr;
  TPatternEdit* patternEdit_ = nullptr;
  QCheckBox* stapelCheckbox_ = nullptr;
  QPlainTextEdit* barcodeWords_ = nullptr;
  QListWidget* fnParamListBox_ = nullptr;
  QPushButton* addButton_ = nullptr;
  // Controls that need a current row, and how each one shows it.
  std::vector<QWidget*> rowControls_;
  std::vector<std::function<void()>> loaders_;
  QString lastBrowsedFolder_;
  bool loading_ = false;
};

}  // namespace quorvane
