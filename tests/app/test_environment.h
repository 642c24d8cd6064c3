#pragma once

#include <QByteArray>
#include <QString>

namespace quorvane::testing {

// Sets or unsets an environment variable for the life of the object.
class ScopedEnv {
 public:
  // A null `value` unsets the variable.
  ScopedEnv(const char* name, const QString& value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  bool wasSet_;
  QByteArray previous_;
};

}  // namespace quorvane::testing
