#include "profiles/widgets/profile_editor.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QTableView>

#include <limits>

#include "app/message_boxes.h"
#include "app/message_catalogue.h"
#include "profiles/widgets/color_edit.h"
#include "profiles/widgets/memdata_model.h"
#include "profiles/widgets/paper_size_box.h"
#include "profiles/widgets/pattern_edit.h"
#include "profiles/widgets/windows_color.h"

namespace quorvane {
namespace {

constexpr int kGridWidth = 184;
constexpr int kRowHeight = 22;

const QStringList kFileNameVariables = {
    QStringLiteral("{BarCode}"), QStringLiteral("{Datum}"), QStringLiteral("{Host}"), QStringLiteral("{Jahr}"),
    QStringLiteral("{Min}"),     QStringLiteral("{Monat}"), QStringLiteral("{Sec}"),  QStringLiteral("{Std}"),
    QStringLiteral("{Tag}"),     QStringLiteral("{UID}"),   QStringLiteral("{User}"), QStringLiteral("{Zähler}")};

template <typename T>
T* Place(T* widget, int left, int top, int width = -1, int height = kRowHeight) {
  if (width < 0) width = widget->sizeHint().width();
  widget->setGeometry(left, top, width, height);
  return widget;
}

QLabel* PlaceLabel(QWidget* parent, const QString& text, int left, int top) {
  auto* label = new QLabel(text, parent);
  label->adjustSize();
  label->move(left, top);
  return label;
}

}  // namespace

TProfileEditor::TProfileEditor(TMemDataModel& model, QWidget* parent) : QWidget(parent), model_(model) {
  setObjectName(QStringLiteral("PropertiePanel"));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);

  grid_ = new QTableView(this);
  grid_->setObjectName(QStringLiteral("cxGrid"));
  grid_->setFixedWidth(kGridWidth);
  model_.SetColumnCaption(pfVantelTitel, QStringLiteral("Button"));
  grid_->setModel(&model_);
  for (int column = 0; column < kProfileFieldCount; ++column) grid_->setColumnHidden(column, column != pfVantelTitel);
  grid_->horizontalHeader()->setSectionResizeMode(pfVantelTitel, QHeaderView::Stretch);
  grid_->horizontalHeader()->setSectionsClickable(false);
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->setShowGrid(false);
  grid_->setSortingEnabled(false);
  grid_->setWordWrap(false);
  grid_->setTextElideMode(Qt::ElideRight);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->installEventFilter(this);
  layout->addWidget(grid_);

  auto* box = new QGroupBox(QStringLiteral("Einstellungen"), this);
  box->setObjectName(QStringLiteral("SettingsGroupBox"));
  box->setMinimumSize(530, 620);
  // The positions below were laid out for a small font.
  QFont small = box->font();
  small.setPointSizeF(8);
  box->setFont(small);
  auto* boxHolder = new QVBoxLayout();
  boxHolder->setContentsMargins(10, 10, 10, 10);
  boxHolder->addWidget(box, 0, Qt::AlignLeft | Qt::AlignTop);
  boxHolder->addStretch();
  layout->addLayout(boxHolder, 1);
  BuildControls(box);

  connect(&model_, &TMemDataModel::CurrentChanged, this, &TProfileEditor::LoadCurrentRow);
  connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (!loading_ && current.isValid()) model_.MakeCurrent(current.row());
          });
  // A reset gives the view a new selection model only when the model
  // changes; the one connected above stays.
  LoadCurrentRow();
}

void TProfileEditor::BuildControls(QGroupBox* box) {
  scannerComboBox_ = Place(new QComboBox(box), 25, 25, 272);
  scannerComboBox_->setObjectName(QStringLiteral("ScannerComboBox"));

  auto* title = Place(new QLineEdit(box), 25, 52, 273);
  title->setObjectName(QStringLiteral("VantelDBText"));
  BindText(title, pfVantelTitel);

  PlaceLabel(box, QStringLiteral("Kachel Farbe"), 25, 83);
  colorEdit_ = Place(new TColorEdit(box), 104, 79, 193);
  colorEdit_->setObjectName(QStringLiteral("VantelColorEdit"));
  connect(colorEdit_, &TColorEdit::ColorChosen, this,
          [this](const QColor& color) { model_.SetFieldValue(pfVantelColor, ToWindowsColor(color)); });
  connect(colorEdit_, &TColorEdit::ColorCleared, this, [this] { model_.SetFieldValue(pfVantelColor, QVariant()); });
  rowControls_.push_back(colorEdit_);
  loaders_.push_back([this] {
    const QVariant color = model_.FieldValue(pfVantelColor);
    colorEdit_->SetColor(color.isValid() ? FromWindowsColor(color.toInt()) : QColor());
  });

  auto* farbeBox = Place(new QGroupBox(QStringLiteral("Scan Color"), box), 25, 106, 273, 51);
  auto* farbeLayout = new QHBoxLayout(farbeBox);
  farbeGroup_ = new QButtonGroup(farbeBox);
  const QStringList colorModes = {QStringLiteral("Schwarzweiß"), QStringLiteral("Farbe"), QStringLiteral("Grau")};
  for (int mode = 1; mode <= 3; ++mode) {
    auto* radio = new QRadioButton(colorModes[mode - 1], farbeBox);
    farbeGroup_->addButton(radio, mode);
    farbeLayout->addWidget(radio);
  }
  connect(farbeGroup_, &QButtonGroup::idClicked, this, [this](int id) { model_.SetFieldValue(pfFarbe, id); });
  rowControls_.push_back(farbeBox);
  loaders_.push_back([this] {
    const int mode = model_.FieldValue(pfFarbe).toInt();
    farbeGroup_->setExclusive(false);
    for (QAbstractButton* radio : farbeGroup_->buttons()) radio->setChecked(farbeGroup_->id(radio) == mode);
    farbeGroup_->setExclusive(true);
  });

  PlaceLabel(box, QStringLiteral("Ablage Verzeichnis"), 25, 166);
  folderEdit_ = Place(new QLineEdit(box), 22, 186, 275);
  folderEdit_->setObjectName(QStringLiteral("DBFolderEdit"));
  QAction* browse = folderEdit_->addAction(style()->standardIcon(QStyle::SP_DirOpenIcon), QLineEdit::TrailingPosition);
  browse->setObjectName(QStringLiteral("DBFolderEditButton"));
  browse->setToolTip(QStringLiteral("..."));
  connect(browse, &QAction::triggered, this, &TProfileEditor::DBFolderEditPropertiesButtonClick);
  BindText(folderEdit_, pfFolder);

  PlaceLabel(box, QStringLiteral("Dateiname"), 27, 264);
  auto* typStr = Place(new QLineEdit(box), 27, 283, 38);
  typStr->setObjectName(QStringLiteral("TypStrEdit"));
  BindText(typStr, pfTypStr);
  QLabel* dash = PlaceLabel(box, QStringLiteral("-"), 68, 286);
  QFont bold = dash->font();
  bold.setBold(true);
  dash->setFont(bold);
  patternEdit_ = Place(new TPatternEdit(box), 79, 283, 218);
  patternEdit_->setObjectName(QStringLiteral("AutoFileNameVarEdit"));
  BindText(patternEdit_, pfAutoFileNameVar);

  struct TCheckRow {
    const char* name;
    const char* text;
    TProfileField field;
    int top;
    int right;  // where the label of the row's other editor begins
  };
  const TCheckRow checks[] = {
      {"Delete1StPageCheckBox", "Lösche Barcode Seite", pfDelete1StPage, 312, 189},
      {"DuplexCheckBox", "Duplex", pfDuplex, 337, 174},
      {"ShowPrefixCheckBox", "Zeige Prefix", pfShowPrefix, 362, 173},
      {"ScanBarCodeCheckBox", "Scan Barcode als Dateiname", pfScanBarCode, 387, 300},
      {"StapelCheckbox", "Barcode Stapel Bearbeitung", pfStapel, 412, 300},
      {"BlankPagesCheckBox", "Lösche Leerseiten", pfRemoveBlankPage, 437, 162},
      {"SaveAsTifCheckBox", "Speicher als Tiff", pfSaveAsTif, 462, 148},
      {"ShowFilenameCheckBox", "Zeige Dateiname", pfShowFilename, 487, 148},
  };
  for (const TCheckRow& row : checks) {
    auto* check = new QCheckBox(QString::fromUtf8(row.text), box);
    check->setObjectName(QString::fromLatin1(row.name));
    Place(check, 26, row.top, row.right - 26);
    BindCheck(check, row.field);
    if (row.field == pfStapel) stapelCheckbox_ = check;
  }
  connect(stapelCheckbox_, &QCheckBox::toggled, this, &TProfileEditor::StapelCheckboxPropertiesChange);

  struct TSpinRow {
    const char* name;
    const char* label;
    TProfileField field;
    int labelLeft;
    int top;
    int minimum;
    int maximum;
    int step;
  };
  constexpr int kNoLimit = std::numeric_limits<int>::max();
  const TSpinRow spins[] = {
      {"DPISpinEdit", "DPI", pfDPI, 191, 313, 70, 400, 10},
      {"PreviewSizeSpinEdit", "Thumb", pfPreviewSize, 176, 340, 60, 600, 20},
      {"FileCount", "Zähler", pfFileCount, 175, 367, -kNoLimit - 1, kNoLimit, 1},
      {"RBPToleranzSpinEdit", "Toleranz", pfRBPToleranz, 164, 438, 1, 100, 1},
  };
  for (const TSpinRow& row : spins) {
    PlaceLabel(box, QString::fromUtf8(row.label), row.labelLeft, row.top + 2);
    auto* spin = Place(new QSpinBox(box), 218, row.top, row.field == pfFileCount ? 80 : 79);
    spin->setObjectName(QString::fromLatin1(row.name));
    spin->setRange(row.minimum, row.maximum);
    spin->setSingleStep(row.step);
    BindSpin(spin, row.field);
  }

  PlaceLabel(box, QStringLiteral("Papiergröße"), 150, 466);
  auto* inputSize = Place(
      new TPaperSizeBox({QStringLiteral("Auto"), QStringLiteral("A4"), QStringLiteral("Scanner")}, box), 218, 462, 79);
  inputSize->setObjectName(QStringLiteral("InputSizeBox"));
  BindCombo(inputSize, pfInputSize);
  PlaceLabel(box, QStringLiteral("Seitengröße"), 150, 489);
  auto* outputSize = Place(new TPaperSizeBox({QStringLiteral("Auto"), QStringLiteral("A4")}, box), 218, 486, 79);
  outputSize->setObjectName(QStringLiteral("OutputSizeBox"));
  BindCombo(outputSize, pfOutputSize);

  auto* captureButton = Place(new QPushButton(QStringLiteral("Öffne Scanner Einstellungen"), box), 27, 532, 224, 25);
  captureButton->setObjectName(QStringLiteral("cxButton2"));
  connect(captureButton, &QPushButton::clicked, this, &TProfileEditor::ScannerSettingsRequested);
  rowControls_.push_back(captureButton);
  auto* clearButton = Place(new QPushButton(box), 257, 532, 39, 25);
  clearButton->setObjectName(QStringLiteral("cxButton3"));
  clearButton->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
  clearButton->setToolTip(QStringLiteral("Scanner Einstellungen löschen"));
  connect(clearButton, &QPushButton::clicked, this, &TProfileEditor::cxButton3Click);
  rowControls_.push_back(clearButton);
  addButton_ = Place(new QPushButton(box), 26, 573, 225, 25);
  addButton_->setObjectName(QStringLiteral("AddVantelButton"));

  auto* wordsBox = Place(new QGroupBox(QStringLiteral("Nur Barcodes mit.."), box), 328, 16, 185, 191);
  auto* wordsLayout = new QVBoxLayout(wordsBox);
  barcodeWords_ = new QPlainTextEdit(wordsBox);
  barcodeWords_->setObjectName(QStringLiteral("BarcodeWordsMemo"));
  wordsLayout->addWidget(barcodeWords_);
  connect(barcodeWords_, &QPlainTextEdit::textChanged, this, [this] {
    if (!loading_) model_.SetFieldValue(pfBARCODEWORDS, barcodeWords_->toPlainText());
  });
  rowControls_.push_back(wordsBox);
  loaders_.push_back([this] { barcodeWords_->setPlainText(model_.FieldValue(pfBARCODEWORDS).toString()); });

  PlaceLabel(box, QStringLiteral("Dateinamen Variablen"), 328, 261);
  fnParamListBox_ = Place(new QListWidget(box), 328, 284, 185, 109);
  fnParamListBox_->setObjectName(QStringLiteral("FnParamListBox"));
  fnParamListBox_->setFlow(QListView::TopToBottom);
  fnParamListBox_->setWrapping(true);
  fnParamListBox_->setGridSize(QSize(88, 16));
  fnParamListBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QFont underlined = fnParamListBox_->font();
  underlined.setUnderline(true);
  fnParamListBox_->setFont(underlined);
  fnParamListBox_->addItems(kFileNameVariables);
  connect(fnParamListBox_, &QListWidget::itemDoubleClicked, this, &TProfileEditor::FnParamListBoxDblClick);
  rowControls_.push_back(fnParamListBox_);
}

void TProfileEditor::BindText(QLineEdit* edit, TProfileField field) {
  edit->setMaxLength(kProfileFields[field].size);
  connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) { model_.SetFieldValue(field, text); });
  rowControls_.push_back(edit);
  loaders_.push_back([this, edit, field] { edit->setText(model_.FieldValue(field).toString()); });
}

void TProfileEditor::BindCheck(QCheckBox* check, TProfileField field) {
  connect(check, &QCheckBox::clicked, this, [this, field](bool checked) { model_.SetFieldValue(field, checked); });
  rowControls_.push_back(check);
  loaders_.push_back([this, check, field] { check->setChecked(model_.FieldValue(field).toBool()); });
}

void TProfileEditor::BindSpin(QSpinBox* spin, TProfileField field) {
  connect(spin, &QSpinBox::valueChanged, this, [this, field](int value) {
    if (!loading_) model_.SetFieldValue(field, value);
  });
  rowControls_.push_back(spin);
  loaders_.push_back([this, spin, field] { spin->setValue(model_.FieldValue(field).toInt()); });
}

void TProfileEditor::BindCombo(QComboBox* combo, TProfileField field) {
  connect(combo, &QComboBox::activated, this, [this, field](int index) { model_.SetFieldValue(field, index); });
  rowControls_.push_back(combo);
  loaders_.push_back([this, combo, field] {
    const int index = model_.FieldValue(field).toInt();
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : 0);
  });
}

bool TProfileEditor::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Delete &&
        (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::ControlModifier)) {
      DeleteCurrentProfile();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TProfileEditor::SetAddAction(QAction* action) {
  addButton_->setText(action->text());
  connect(addButton_, &QPushButton::clicked, action, &QAction::trigger);
}

void TProfileEditor::LoadCurrentRow() {
  loading_ = true;
  const bool hasRow = model_.CurrentRow() >= 0;
  for (QWidget* control : rowControls_) control->setEnabled(hasRow);
  for (const auto& load : loaders_) load();
  patternEdit_->ForgetPosition();
  SelectGridRow();
  loading_ = false;
  StapelCheckboxPropertiesChange();
}

void TProfileEditor::SelectGridRow() {
  const int row = model_.CurrentRow();
  if (row < 0) {
    grid_->selectionModel()->clear();
    return;
  }
  grid_->setCurrentIndex(model_.index(row, pfVantelTitel));
  grid_->scrollTo(grid_->currentIndex());
}

void TProfileEditor::DBFolderEditPropertiesButtonClick() {
  const QString typed = folderEdit_->text();
  const QString start = !typed.isEmpty() && QDir(typed).exists() ? typed : lastBrowsedFolder_;
  const QString chosen = QFileDialog::getExistingDirectory(this, QStringLiteral("Pellidor Ablage Ordner"), start,
                                                           QFileDialog::ShowDirsOnly);
  if (chosen.isEmpty()) return;
  lastBrowsedFolder_ = chosen;
  model_.SetFieldValue(pfFolder, chosen);
  folderEdit_->setText(model_.FieldValue(pfFolder).toString());
}

void TProfileEditor::FnParamListBoxDblClick() {
  QListWidgetItem* item = fnParamListBox_->currentItem();
  if (!item || model_.CurrentRow() < 0) return;
  {
    const QSignalBlocker holdBack(patternEdit_);
    patternEdit_->InsertVariable(item->text());
  }
  model_.SetFieldValue(pfAutoFileNameVar, patternEdit_->text());
  model_.Post();
}

void TProfileEditor::StapelCheckboxPropertiesChange() { barcodeWords_->setEnabled(stapelCheckbox_->isChecked()); }

void TProfileEditor::cxButton3Click() {
  if (model_.CurrentRow() < 0) return;
  if (!AskYesNo(this, GetMsgStr(3))) return;
  model_.SetFieldValue(pfSettings, QVariant());
  model_.Post();
}

void TProfileEditor::DeleteCurrentProfile() {
  if (model_.CurrentRow() < 0) return;
  if (!AskYesNo(this, QStringLiteral("Möchten Sie den Vantel Button \"%1\" wirklich löschen?")
                          .arg(model_.FieldValue(pfVantelTitel).toString()))) {
    return;
  }
  model_.Table().Delete();
  model_.Refresh();
}

}  // namespace quorvane
