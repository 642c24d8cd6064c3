#pragma once

#include <string>

#include "writers/common/byte_sink.h"
#include "writers/common/multi_page_io.h"

namespace quorvane {

// Writes the pages of io (or its selected pages, in selection order) as one
// PDF document, one page per page image; the document texts come from the
// parameters of page 0. Each page image is coded and parked in a temporary
// file before the next is taken; the output receives its first byte only
// when every page is ready. Stops before the next page when io.Aborting is
// set and writes the pages added so far. With no pages nothing is written.
// Errors propagate after the end of work has been signalled.
void SaveToStreamPDF(ByteSink& stream, TMultiPageIO& io, bool selectedOnly);

// Same into a file. The document is written beside the target and renamed
// into place when complete, so a failure never leaves a half-written file
// under the target name and an existing file survives it.
void SaveToFilePDF(const std::string& fileName, TMultiPageIO& io, bool selectedOnly);

}  // namespace quorvane
