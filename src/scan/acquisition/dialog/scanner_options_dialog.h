#pragma once

#include <QDialog>

#include <functional>

#include "scan/acquisition/device_options.h"

class QVBoxLayout;
class QWidget;

namespace quorvane {

// The settings-only run's dialog: one editor per option of the device, grouped
// as the device groups them. Every change goes to the device at once, so
// options that depend on it follow; the form is rebuilt after each change.
class TScannerOptionsDialog : public QDialog {
 public:
  explicit TScannerOptionsDialog(TDeviceOptions& options, QWidget* parent = nullptr);

  // Number of option editors shown (for checks of the generated form).
  int EditorCount() const { return editorCount_; }

 private:
  void Rebuild();
  QWidget* EditorFor(int index);
  void Apply(const std::function<void()>& change);

  TDeviceOptions& options_;
  QVBoxLayout* groupsLayout_ = nullptr;
  QWidget* groups_ = nullptr;
  int editorCount_ = 0;
};

}  // namespace quorvane
