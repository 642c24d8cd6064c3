#pragma once

#include <QByteArray>
#include <QStringList>

#include "scan/acquisition/device_options.h"

namespace quorvane {

// The driver settings block: our own versioned record of the device's settable
// option values (name, type, value) in the device's order. It is opaque to
// the profile, which stores it byte for byte.
QByteArray CaptureSettingsBlock(TDeviceOptions& options);

// Sets the block's options again, in order. Options that no longer exist, are
// inactive or refuse the value are skipped; the returned lines say which and
// why, for the log. A block that is not ours is skipped as a whole.
QStringList ReplaySettingsBlock(TDeviceOptions& options, const QByteArray& block);

}  // namespace quorvane
