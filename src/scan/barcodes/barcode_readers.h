#pragma once

#include <QString>
#include <QStringList>

#include "scan/barcodes/page_code_reader.h"
#include "writers/common/page_bitmap.h"

namespace quorvane {

// The batch entry of a page read without an acceptable code.
inline const QString kPageWithoutCode = QStringLiteral("<Page>");

// True for a batch entry that starts a new document. Pages left unread after a
// reading error keep an empty entry; they count as pages without a code.
bool IsBarcodePage(const QString& entry);

// The code of page 1 of a single-document job, empty when there is none or the
// page cannot be read. Every code found is logged; the last one wins.
// `image` may be null (no page).
QString ReadBarcode(const TPageBitmap* image, const TPageCodeReader& reader = ReadPageCodes);

// Reads page `index` of a batch and sets stapelPages[index] to the last code on
// it that passes the keywords, or to "<Page>". A page that cannot be read is
// logged and stays "<Page>".
void ReadPageBarcodes(const TPageView& page, int index, const QStringList& keyWords,
                      QStringList& stapelPages, const TPageCodeReader& reader = ReadPageCodes);

}  // namespace quorvane
