#include <QSettings>
#include <QStringList>

#include "app/client_routines.h"

namespace quorvane {

namespace {

// The store is ~/.config/Kestrow/Quorvane.ini (XDG_CONFIG_HOME honoured).
QSettings OpenStore() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Kestrow"), QStringLiteral("Quorvane"));
}

// Registry-style keys ("Software\Kestrow\Quorvane\Scanner") and plain group
// paths ("Scanner") name the same group: the store already is the program's key.
QString GroupPath(const QString& key) {
  QStringList parts = QString(key).replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts);
  const QStringList programKey = {QStringLiteral("Software"), QStringLiteral("Kestrow"), QStringLiteral("Quorvane")};
  if (parts.mid(0, programKey.size()) == programKey) {
    parts.remove(0, programKey.size());
  }
  return parts.join(u'/');
}

QString ValuePath(const QString& key, const QString& name) {
  const QString group = GroupPath(key);
  return group.isEmpty() ? name : group + u'/' + name;
}

}  // namespace

QString ReadRegString(const QString& key, const QString& name) {
  return OpenStore().value(ValuePath(key, name)).toString();
}

void WriteRegString(const QString& key, const QString& name, const QString& text) {
  QSettings store = OpenStore();
  store.setValue(ValuePath(key, name), text);
  store.sync();
}

}  // namespace quorvane
