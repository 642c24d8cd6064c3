#include "writers/pdf/pdf_builder.h"

#include <cstdio>
#include <random>
#include <stdexcept>

#include "writers/pdf/pdf_text.h"

namespace quorvane {

namespace {

std::string CreationDateText(std::time_t when) {
  if (when == 0) when = std::time(nullptr);
  std::tm local{};
  localtime_r(&when, &local);
  char text[40];
  std::snprintf(text, sizeof text, "D:%04d%02d%02d%02d%02d%02d", local.tm_year + 1900, local.tm_mon + 1,
                local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
  return text;
}

// 128 random bits as 32 lower-case hex digits.
std::string NewDocumentId() {
  std::random_device random;
  std::string id;
  for (int i = 0; i < 4; ++i) {
    char part[9];
    std::snprintf(part, sizeof part, "%08x", static_cast<unsigned>(random()));
    id += part;
  }
  return id;
}


}  // namespace

TPDFBuilder::TPDFBuilder() {
  catalog.Add("Type", MakeName("Catalog"));
  AddIndirectObject(catalog);

  auto procSet = std::make_unique<TPDFArrayObject>();
  procSet->Add(MakeName("PDF"));
  procSet->Add(MakeName("ImageB"));
  resources.Add("ProcSet", std::move(procSet));
  resources.Add("XObject", std::make_unique<TPDFDictionaryObject>());
  resources.Add("Font", std::make_unique<TPDFDictionaryObject>());
  resources.Add("ExtGState", std::make_unique<TPDFDictionaryObject>());
  AddIndirectObject(resources);

  AddIndirectObject(info);
}

TPDFBuilder::~TPDFBuilder() = default;

void TPDFBuilder::AddIndirectObject(TPDFObject& obj) {
  indirectObjects.push_back(&obj);
  obj.Index = static_cast<std::int32_t>(indirectObjects.size());
}

TPDFDictionaryObject& TPDFBuilder::ResourceDictionary(std::string_view key) {
  return static_cast<TPDFDictionaryObject&>(*resources.Find(key));
}

int TPDFBuilder::AddPage(int paperWidth, int paperHeight) {
  auto content = std::make_unique<TPDFStreamObject>();
  AddIndirectObject(*content);

  auto page = std::make_unique<TPDFDictionaryObject>();
  page->Add("Type", MakeName("Page"));
  page->Add("Resources", MakeRef(resources.Index));
  auto mediaBox = std::make_unique<TPDFArrayObject>();
  for (const int value : {0, 0, paperWidth, paperHeight}) mediaBox->Add(MakeInteger(value));
  page->Add("MediaBox", std::move(mediaBox));
  page->Add("Contents", MakeRef(content->Index));
  AddIndirectObject(*page);

  contentStreams.push_back(std::move(content));
  pages.push_back(std::move(page));
  pagesSizes.push_back({static_cast<double>(paperWidth), static_cast<double>(paperHeight)});
  fPageIndex = PageCount() - 1;
  return fPageIndex;
}

int TPDFBuilder::AddPage(TIOPDFPaperSize size) {
  const TPaperSizeInfo& paper = PaperSizeInfo(size);
  return AddPage(paper.width, paper.height);
}

void TPDFBuilder::AppendPageContent(int pageIndex, std::string_view text) {
  contentStreams.at(static_cast<std::size_t>(pageIndex))->AddContent(text);
}

void TPDFBuilder::SaveToStream(ByteSink& stream, const TPDFDocumentInfo& texts, std::time_t creationTime) {
  if (written_) throw std::logic_error("a PDF builder is written once");
  written_ = true;
  BuildInfo(texts, creationTime);
  const std::unique_ptr<TPDFDictionaryObject> pagesTree = BuildPagesTree();
  CountingSink out(stream);
  WriteHeader(out);
  WriteObjects(out);
  WriteXrefAndTrailer(out);
  indirectObjects.pop_back();  // the page tree goes with this save
}

void TPDFBuilder::BuildInfo(const TPDFDocumentInfo& texts, std::time_t creationTime) {
  const std::pair<const char*, const std::string*> entries[] = {
      {"Title", &texts.PDF_Title},       {"Author", &texts.PDF_Author},   {"Subject", &texts.PDF_Subject},
      {"Keywords", &texts.PDF_Keywords}, {"Creator", &texts.PDF_Creator}, {"Producer", &texts.PDF_Producer},
  };
  for (const auto& [key, text] : entries) {
    if (!text->empty()) info.Add(key, std::make_unique<TPDFStringObject>(*text));
  }
  info.Add("CreationDate", std::make_unique<TPDFStringObject>(CreationDateText(creationTime)));
}

std::unique_ptr<TPDFDictionaryObject> TPDFBuilder::BuildPagesTree() {
  auto tree = std::make_unique<TPDFDictionaryObject>();
  AddIndirectObject(*tree);
  tree->Add("Type", MakeName("Pages"));
  auto kids = std::make_unique<TPDFArrayObject>();
  for (const auto& page : pages) {
    kids->Add(MakeRef(page->Index));
    page->Add("Parent", MakeRef(tree->Index));
  }
  tree->Add("Kids", std::move(kids));
  tree->Add("Count", MakeInteger(PageCount()));
  catalog.Add("Pages", MakeRef(tree->Index));
  return tree;
}

void TPDFBuilder::WriteHeader(CountingSink& out) {
  out.Write("%PDF-1.4\n");
  // Binary bytes tell transfer programs that the file is not text.
  out.Write("%\xC8\xD2\xF0\xFE\n");
}

void TPDFBuilder::WriteObjects(CountingSink& out) {
  for (TPDFObject* object : indirectObjects) {
    const std::uint64_t objectLine = out.Position();
    out.Write(std::to_string(object->Index) + " 0 obj\n");
    object->Write(out);
    out.Write("\nendobj\n");
    object->Position = objectLine;
  }
}

void TPDFBuilder::WriteXrefAndTrailer(CountingSink& out) {
  const std::uint64_t xrefStart = out.Position();
  const std::string size = std::to_string(indirectObjects.size() + 1);
  out.Write("xref\n0 " + size + "\n");
  out.Write("0000000000 65535 f \n");
  for (const TPDFObject* object : indirectObjects) out.Write(FormatXrefEntry(object->Position));
  const std::string id = "<" + NewDocumentId() + ">";
  out.Write("trailer\n<< /Size " + size + "\n/Root 1 0 R\n/Info " + std::to_string(info.Index) +
            " 0 R\n/ID [" + id + " " + id + "]>>\n");
  out.Write("startxref\n" + std::to_string(xrefStart) + "\n%%EOF\n");
}

}  // namespace quorvane
