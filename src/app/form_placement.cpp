#include "app/form_placement.h"

#include <QRect>
#include <QWidget>

#include <array>
#include <optional>

#include "app/client_routines.h"

namespace quorvane {
namespace {

constexpr int kMaximised = 2;
constexpr int kNormal = 0;

QString PlacementKey(const QWidget& form) {
  return QStringLiteral("Software\\Kestrow\\Quorvane\\FormStore\\") + form.objectName();
}

std::optional<int> ReadRegInteger(const QString& key, const QString& name) {
  bool ok = false;
  const int value = ReadRegString(key, name).toInt(&ok);
  return ok ? std::optional<int>(value) : std::nullopt;
}

void WriteRegInteger(const QString& key, const QString& name, int value) {
  WriteRegString(key, name, QString::number(value));
}

}  // namespace

void StoreFormPlacement(const QWidget& form) {
  const QString key = PlacementKey(form);
  if (form.isMaximized()) {
    WriteRegInteger(key, QStringLiteral("WindowState"), kMaximised);
    return;
  }
  const QRect outer = form.frameGeometry();
  WriteRegInteger(key, QStringLiteral("Left"), outer.left());
  WriteRegInteger(key, QStringLiteral("Top"), outer.top());
  WriteRegInteger(key, QStringLiteral("Right"), outer.left() + outer.width());
  WriteRegInteger(key, QStringLiteral("Bottom"), outer.top() + outer.height());
  WriteRegInteger(key, QStringLiteral("WindowState"), kNormal);
}

void RestoreFormPlacement(QWidget& form) {
  const QString key = PlacementKey(form);
  const std::optional<int> state = ReadRegInteger(key, QStringLiteral("WindowState"));
  if (!state) return;
  if ((*state & 0xFF) == kMaximised) {
    form.setWindowState(form.windowState() | Qt::WindowMaximized);
    return;
  }
  const std::array<std::optional<int>, 4> sides = {
      ReadRegInteger(key, QStringLiteral("Left")), ReadRegInteger(key, QStringLiteral("Top")),
      ReadRegInteger(key, QStringLiteral("Right")), ReadRegInteger(key, QStringLiteral("Bottom"))};
  for (const std::optional<int>& side : sides) {
    if (!side) return;
  }
  const QRect outer(*sides[0], *sides[1], *sides[2] - *sides[0], *sides[3] - *sides[1]);
  // The store holds the outer rectangle; the frame the window system adds
  // comes off the client size, and is known once the native window exists.
  form.winId();
  const QSize frame = form.frameGeometry().size() - form.geometry().size();
  form.setWindowState(form.windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
  form.move(outer.topLeft());
  form.resize(outer.size() - frame);
}

}  // namespace quorvane
