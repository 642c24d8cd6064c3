#pragma once

#include <QString>

namespace quorvane::testing {

// The temporary folder every widget test works in: data folder, settings
// store and temporary files all live below it.
QString WidgetTestRoot();

// Answers the next modal box or dialog that opens: clicks its button with
// `buttonText` ("Ja", "Nein", "OK"), waiting for it up to a few seconds.
void AnswerNextBox(const QString& buttonText);

}  // namespace quorvane::testing
