#include "writers/pdf/pdf_document_writer.h"

#include <memory>

#include "writers/pdf/pdf_builder.h"

namespace quorvane {

namespace {

TPDFDocumentInfo DocumentTexts(const TIOParams& params) {
  return {params.PDF_Title,   params.PDF_Author,  params.PDF_Subject,
          params.PDF_Keywords, params.PDF_Creator, params.PDF_Producer};
}

void WritePages(TMultiPageIO& io, ByteSink& stream, bool selectedOnly) {
  const int n = io.PagesToSave(selectedOnly);
  if (n == 0) return;
  const TProgressRecord progress = io.Progress();
  std::unique_ptr<TPDFBuilder> builder;
  for (int i = 0; i < n && !io.Aborting; ++i) {
    TPage& page = io.PageToSave(i, selectedOnly);
    if (i == 0) builder = std::make_unique<TPDFBuilder>();
    builder->AddPageWithImage(page.Bitmap, page.Params, progress);
    progress.Report(static_cast<int>(i * (100.0 / n)));
  }
  if (builder) builder->SaveToStream(stream, DocumentTexts(io.Pages[0]->Params));
}

}  // namespace

void SaveToStreamPDF(ByteSink& stream, TMultiPageIO& io, bool selectedOnly) {
  io.Aborting = false;
  try {
    WritePages(io, stream, selectedOnly);
  } catch (...) {
    io.FinishWork();
    throw;
  }
  io.FinishWork();
}

void SaveToFilePDF(const std::string& fileName, TMultiPageIO& io, bool selectedOnly) {
  io.Aborting = false;
  AtomicFileSink file(fileName);
  SaveToStreamPDF(file, io, selectedOnly);
  file.Commit();
}

}  // namespace quorvane
