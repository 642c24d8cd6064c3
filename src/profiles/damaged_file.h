#pragma once

#include <QString>

namespace quorvane {

// Moves a profile file that could not be loaded in full out of the way before
// it is overwritten: to "<path>.defekt", or "<path>.defekt.1", ".2" … when
// that name is taken. Returns the new path, or an empty text when there is no
// file at `path`. Throws TProfileWriteError when the file cannot be moved.
QString MoveAsideDamagedFile(const QString& path);

}  // namespace quorvane
