// The document loop: pages in order, selection, abort, progress, the
// temporary image files and what a failure leaves behind.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include <unistd.h>

#include "fixture_pages.h"
#include "pdf_test_tools.h"
#include "writers/pdf/pdf_document_writer.h"

namespace quorvane {
namespace {

namespace fs = std::filesystem;

// Five pages of different widths, so the written order can be read from the MediaBoxes.
class DocumentLoop : public ::testing::Test {
 protected:
  DocumentLoop() {
    for (int i = 0; i < 5; ++i) {
      auto page = std::make_unique<TPage>();
      page->Bitmap = test::DrawLetterPage(200 + 10 * i, 280, pf1Bit);
      page->Params.PDF_PaperWidth = 0;
      page->Params.PDF_Title = "Seite" + std::to_string(i) + ".pdf";
      page->Params.PDF_Creator = "Kestrow's Quorvane 3";
      pointers_.push_back(page.get());
      pages_.push_back(std::move(page));
    }
    io_.Pages = pointers_;
  }

  // Page widths in document order.
  static std::vector<int> PageWidths(const std::string& pdf) {
    std::vector<int> widths;
    const std::regex box("/MediaBox \\[0 0 ([0-9]+) [0-9]+ \\]");
    for (auto it = std::sregex_iterator(pdf.begin(), pdf.end(), box); it != std::sregex_iterator(); ++it)
      widths.push_back(std::stoi((*it)[1]));
    return widths;
  }

  static void ExpectValid(const std::string& path) {
    const test::ToolResult check = test::RunTool("qpdf --check " + path);
    EXPECT_EQ(check.status, 0) << check.output;
  }

  test::TempFolder folder_;
  std::vector<std::unique_ptr<TPage>> pages_;
  std::vector<TPage*> pointers_;
  TMultiPageIO io_;
};

TEST_F(DocumentLoop, AllPagesInOrderWithProgressAndEndOfWork) {
  std::vector<int> reports;
  int finished = 0;
  io_.OnProgress = [&](int percent) { reports.push_back(percent); };
  io_.OnFinishWork = [&] { ++finished; };
  const std::string path = folder_.File("Rechnung.pdf");
  SaveToFilePDF(path, io_, false);
  ExpectValid(path);
  const std::string pdf = test::ReadFileText(path);
  EXPECT_EQ(PageWidths(pdf), (std::vector<int>{200, 210, 220, 230, 240}));
  EXPECT_NE(pdf.find("/Title (Seite0.pdf)\n/Creator (Kestrow's Quorvane 3)\n"), std::string::npos);
  EXPECT_EQ(reports, (std::vector<int>{0, 20, 40, 60, 80, 100}));
  EXPECT_EQ(finished, 1);
  // Nothing else is left in the folder.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_.Path()), fs::directory_iterator()), 1);
}

TEST_F(DocumentLoop, SelectedPagesInSelectionOrderWithTheTextsOfPageZero) {
  io_.Selection = std::vector<int>{3, 1};
  const std::string path = folder_.File("Auswahl.pdf");
  SaveToFilePDF(path, io_, true);
  ExpectValid(path);
  const std::string pdf = test::ReadFileText(path);
  EXPECT_EQ(PageWidths(pdf), (std::vector<int>{230, 210}));
  EXPECT_NE(pdf.find("/Title (Seite0.pdf)"), std::string::npos);

  SaveToFilePDF(path, io_, false);  // selection ignored
  EXPECT_EQ(PageWidths(test::ReadFileText(path)).size(), 5u);

  io_.Selection = std::vector<int>{7};
  EXPECT_THROW(SaveToFilePDF(path, io_, true), std::out_of_range);
}

TEST_F(DocumentLoop, AbortAfterTheSecondPageGivesAValidTwoPageDocument) {
  io_.OnProgress = [&](int percent) {
    if (percent == 20) io_.Aborting = true;
  };
  io_.Aborting = true;  // a stale flag from an earlier save is cleared
  const std::string path = folder_.File("Abbruch.pdf");
  SaveToFilePDF(path, io_, false);
  ExpectValid(path);
  const std::string pdf = test::ReadFileText(path);
  EXPECT_EQ(PageWidths(pdf), (std::vector<int>{200, 210}));
  EXPECT_NE(pdf.find("/Count 2\n"), std::string::npos);
}

TEST_F(DocumentLoop, NoPagesGiveAnEmptyFile) {
  io_.Pages = {};
  int finished = 0;
  io_.OnFinishWork = [&] { ++finished; };
  const std::string path = folder_.File("Leer.pdf");
  SaveToFilePDF(path, io_, false);
  EXPECT_TRUE(fs::exists(path));
  EXPECT_EQ(fs::file_size(path), 0u);
  EXPECT_EQ(finished, 1);
}

TEST_F(DocumentLoop, AFailedPageLeavesTheOldFileAndNoPartialOne) {
  const std::string path = folder_.File("Alt.pdf");
  test::WriteFileText(path, "the previous document");
  pages_[3]->Bitmap = test::DrawLetterPage(100, 100, pf24RGB);
  pages_[3]->Params.PDF_Compression = ioPDF_JPEG;
  pages_[3]->Params.JPEG_MarkerList.push_back({0xE2, std::vector<std::uint8_t>(70000, 0)});
  int finished = 0;
  io_.OnFinishWork = [&] { ++finished; };
  EXPECT_THROW(SaveToFilePDF(path, io_, false), std::runtime_error);
  EXPECT_EQ(test::ReadFileText(path), "the previous document");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_.Path()), fs::directory_iterator()), 1);
  EXPECT_EQ(finished, 1);
}

TEST_F(DocumentLoop, AnUncreatableTargetIsReportedWithItsName) {
  const std::string path = folder_.File("fehlt/Rechnung.pdf");
  try {
    SaveToFilePDF(path, io_, false);
    FAIL() << "no error";
  } catch (const std::system_error& error) {
    EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
  }
}

// Deleted files still open by this process, named like our image cache.
int OpenCacheFiles() {
  int count = 0;
  for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
    std::error_code error;
    const std::string target = fs::read_symlink(entry.path(), error).string();
    if (!error && target.find("/~qvtemp-") != std::string::npos && target.find("(deleted)") != std::string::npos)
      ++count;
  }
  return count;
}

class ScopedTmpdir {
 public:
  explicit ScopedTmpdir(const std::string& folder) {
    if (const char* old = std::getenv("TMPDIR")) old_ = old;
    ::setenv("TMPDIR", folder.c_str(), 1);
  }
  ~ScopedTmpdir() {
    if (old_.empty()) {
      ::unsetenv("TMPDIR");
    } else {
      ::setenv("TMPDIR", old_.c_str(), 1);
    }
  }

 private:
  std::string old_;
};

TEST_F(DocumentLoop, EachImageWaitsInAnUnlinkedTemporaryFile) {
  const fs::path cacheFolder = folder_.Path() / "cache";
  fs::create_directory(cacheFolder);
  const ScopedTmpdir tmpdir(cacheFolder.string());
  std::vector<int> openDuringSave;
  bool folderEmpty = true;
  io_.OnProgress = [&](int) {
    openDuringSave.push_back(OpenCacheFiles());
    folderEmpty = folderEmpty && fs::is_empty(cacheFolder);
  };
  SaveToFilePDF(folder_.File("Cache.pdf"), io_, false);
  EXPECT_EQ(openDuringSave, (std::vector<int>{1, 2, 3, 4, 5, 0}));  // the last report follows the builder's end
  EXPECT_TRUE(folderEmpty);
  EXPECT_EQ(OpenCacheFiles(), 0);
}

TEST_F(DocumentLoop, ACacheThatCannotBeCreatedStopsTheSave) {
  const ScopedTmpdir tmpdir(folder_.File("does-not-exist"));
  const std::string path = folder_.File("Cache.pdf");
  try {
    SaveToFilePDF(path, io_, false);
    FAIL() << "no error";
  } catch (const std::system_error& error) {
    EXPECT_EQ(std::string(error.what()).rfind("Unable to create " + folder_.File("does-not-exist/~qvtemp-"), 0), 0u)
        << error.what();
  }
  EXPECT_FALSE(fs::exists(path));
}

TEST_F(DocumentLoop, StreamSaveWritesNothingWithoutPages) {
  std::vector<std::uint8_t> bytes;
  VectorSink sink(bytes);
  io_.Selection = std::vector<int>{};
  SaveToStreamPDF(sink, io_, true);
  EXPECT_TRUE(bytes.empty());
  SaveToStreamPDF(sink, io_, false);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 8), "%PDF-1.4");
}

}  // namespace
}  // namespace quorvane
