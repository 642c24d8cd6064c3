#include "scan/acquisition/dialog/scanner_options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include <limits>

namespace quorvane {
namespace {

QString UnitSuffix(SANE_Unit unit) {
  switch (unit) {
    case SANE_UNIT_PIXEL: return QStringLiteral(" Pixel");
    case SANE_UNIT_BIT: return QStringLiteral(" Bit");
    case SANE_UNIT_MM: return QStringLiteral(" mm");
    case SANE_UNIT_DPI: return QStringLiteral(" dpi");
    case SANE_UNIT_PERCENT: return QStringLiteral(" %");
    case SANE_UNIT_MICROSECOND: return QStringLiteral(" µs");
    default: return {};
  }
}

double Unfixed(const TOptionDescriptor& option, SANE_Word word) {
  return option.Type == SANE_TYPE_FIXED ? SANE_UNFIX(word) : word;
}

QString NumberText(double value) { return QString::number(value, 'g', 10); }

}  // namespace

TScannerOptionsDialog::TScannerOptionsDialog(TDeviceOptions& options, QWidget* parent)
    : QDialog(parent), options_(options) {
  setWindowTitle(QStringLiteral("Scanner Einstellungen"));
  auto* layout = new QVBoxLayout(this);
  auto* scroll = new QScrollArea(this);
  scroll->setWidgetResizable(true);
  layout->addWidget(scroll);
  groups_ = new QWidget(scroll);
  groupsLayout_ = new QVBoxLayout(groups_);
  scroll->setWidget(groups_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(520, 600);
  Rebuild();
}

void TScannerOptionsDialog::Rebuild() {
  while (QLayoutItem* item = groupsLayout_->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  editorCount_ = 0;
  QFormLayout* form = nullptr;
  const auto startGroup = [&](const QString& title) {
    auto* box = new QGroupBox(title, groups_);
    form = new QFormLayout(box);
    groupsLayout_->addWidget(box);
  };
  for (int i = 1; i < static_cast<int>(options_.All().size()); ++i) {
    const TOptionDescriptor& option = options_.All()[static_cast<std::size_t>(i)];
    if (option.Type == SANE_TYPE_GROUP) {
      startGroup(option.Title.isEmpty() ? QStringLiteral("Allgemein") : option.Title);
      continue;
    }
    QWidget* editor = EditorFor(i);
    if (!editor) continue;
    if (!form) startGroup(QStringLiteral("Allgemein"));
    editor->setEnabled(option.IsActive() && option.IsSettable());
    editor->setToolTip(option.Description);
    auto* label = new QLabel(option.Title.isEmpty() ? option.Name : option.Title);
    label->setToolTip(option.Description);
    form->addRow(label, editor);
    ++editorCount_;
  }
  groupsLayout_->addStretch();
}

void TScannerOptionsDialog::Apply(const std::function<void()>& change) {
  try {
    change();
  } catch (const TDeviceStatusError& error) {
    QMessageBox box(QMessageBox::Warning, windowTitle(),
                    QStringLiteral("Der Scanner nimmt den Wert nicht an: ") + QString::fromUtf8(error.what()),
                    QMessageBox::Ok, this);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
  }
  // The change may alter other options; the form follows once the editor's signal has returned.
  QMetaObject::invokeMethod(this, [this] { Rebuild(); }, Qt::QueuedConnection);
}

QWidget* TScannerOptionsDialog::EditorFor(int index) {
  const TOptionDescriptor option = options_.All()[static_cast<std::size_t>(index)];
  const bool readable = option.IsActive() && option.IsReadable();
  if (option.Type == SANE_TYPE_BUTTON) {
    auto* button = new QPushButton(option.Title);
    connect(button, &QPushButton::clicked, this,
            [this, index] { Apply([this, index] { options_.Device().Press(index); options_.Reload(); }); });
    return button;
  }
  // Arrays such as gamma tables keep their values; they have no editor here.
  if (option.Type != SANE_TYPE_STRING && option.WordCount() > 1) return nullptr;

  if (option.Type == SANE_TYPE_BOOL) {
    auto* box = new QCheckBox;
    box->setChecked(readable && options_.Number(index) != 0);
    connect(box, &QCheckBox::toggled, this,
            [this, index](bool on) { Apply([this, index, on] { options_.SetNumber(index, on ? 1 : 0); }); });
    return box;
  }
  if (option.Type == SANE_TYPE_STRING) {
    const QString current = readable ? options_.Text(index) : QString();
    if (option.Constraint == SANE_CONSTRAINT_STRING_LIST) {
      auto* combo = new QComboBox;
      combo->addItems(option.StringList);
      combo->setCurrentIndex(static_cast<int>(option.StringList.indexOf(current)));
      connect(combo, &QComboBox::textActivated, this,
              [this, index](const QString& text) { Apply([this, index, text] { options_.SetText(index, text); }); });
      return combo;
    }
    auto* edit = new QLineEdit(current);
    connect(edit, &QLineEdit::editingFinished, this, [this, index, edit] {
      const QString text = edit->text();
      Apply([this, index, text] { options_.SetText(index, text); });
    });
    return edit;
  }
  const double current = readable ? options_.Number(index) : 0;
  if (option.Constraint == SANE_CONSTRAINT_WORD_LIST) {
    auto* combo = new QComboBox;
    for (SANE_Word word : option.WordList) {
      const double value = Unfixed(option, word);
      combo->addItem(NumberText(value) + UnitSuffix(option.Unit), value);
      if (value == current) combo->setCurrentIndex(combo->count() - 1);
    }
    connect(combo, &QComboBox::activated, this, [this, index, combo](int item) {
      const double value = combo->itemData(item).toDouble();
      Apply([this, index, value] { options_.SetNumber(index, value); });
    });
    return combo;
  }
  const bool ranged = option.Constraint == SANE_CONSTRAINT_RANGE;
  if (option.Type == SANE_TYPE_FIXED) {
    auto* spin = new QDoubleSpinBox;
    spin->setDecimals(2);
    spin->setRange(ranged ? SANE_UNFIX(option.RangeMin) : -32768.0, ranged ? SANE_UNFIX(option.RangeMax) : 32767.0);
    if (ranged && option.RangeQuant > 0) spin->setSingleStep(SANE_UNFIX(option.RangeQuant));
    spin->setSuffix(UnitSuffix(option.Unit));
    spin->setValue(current);
    connect(spin, &QDoubleSpinBox::editingFinished, this, [this, index, spin] {
      const double value = spin->value();
      Apply([this, index, value] { options_.SetNumber(index, value); });
    });
    return spin;
  }
  auto* spin = new QSpinBox;
  spin->setRange(ranged ? option.RangeMin : std::numeric_limits<int>::min(),
                 ranged ? option.RangeMax : std::numeric_limits<int>::max());
  if (ranged && option.RangeQuant > 0) spin->setSingleStep(option.RangeQuant);
  spin->setSuffix(UnitSuffix(option.Unit));
  spin->setValue(static_cast<int>(current));
  connect(spin, &QSpinBox::editingFinished, this, [this, index, spin] {
    const int value = spin->value();
    Apply([this, index, value] { options_.SetNumber(index, value); });
  });
  return spin;
}

}  // namespace quorvane
