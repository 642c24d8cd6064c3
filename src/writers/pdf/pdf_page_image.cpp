// Builder operations that put a page image on a page: sizing, coding, drawing.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

#include "writers/pdf/pdf_builder.h"
#include "writers/pdf/pdf_image_coding.h"
#include "writers/pdf/pdf_text.h"

namespace quorvane {

namespace {

int AtLeastOne(long long value) { return value < 1 ? 1 : static_cast<int>(value); }

}  // namespace

int TPDFBuilder::AddPageWithImage(const TPageBitmap& bitmap, TIOParams& params, const TProgressRecord& progress) {
  if (bitmap.IsEmpty()) throw std::invalid_argument("an empty page image cannot be written to a PDF");
  const int W = bitmap.Width();
  const int H = bitmap.Height();
  const int m = params.PDF_PageMargin;
  int pw = params.PDF_PaperWidth;
  int ph = params.PDF_PaperHeight;
  if (pw < 1 || ph < 1) {
    pw = W + 2 * m;
    ph = H + 2 * m;
  }
  const double s = std::min(static_cast<double>(ph - 2 * m) / H, static_cast<double>(pw - 2 * m) / W);
  const int w = AtLeastOne(static_cast<long long>(W * s));
  const int h = AtLeastOne(static_cast<long long>(H * s));
  const int page = AddPage(pw, ph);
  AddImage(m, m, w, h, bitmap, 0, 1, params, progress);
  return page;
}

void TPDFBuilder::AddImage(double x, double y, int width, int height, const TPageBitmap& bitmap, double rotation,
                           double opacity, TIOParams& params, const TProgressRecord& progress) {
  if (fPageIndex < 0 || fPageIndex >= PageCount()) throw std::logic_error("no current PDF page to draw on");
  const int W = bitmap.Width();
  const int H = bitmap.Height();

  int maskObject = 0;
  if (bitmap.HasAlpha() && bitmap.PixelFormat() != pf1Bit) maskObject = AddImageObject(MakeSoftMask(bitmap));

  if (bitmap.PixelFormat() == pf1Bit) {
    params.BitsPerSample = 1;
    params.SamplesPerPixel = 1;
  } else {
    params.BitsPerSample = 8;
    params.SamplesPerPixel = 3;
  }
  std::unique_ptr<TPDFStreamObject> image = bitmap.PixelFormat() == pf1Bit
                                                ? CodeBilevelImage(bitmap, params)
                                                : CodeColourImage(bitmap, params, progress);
  image->dict.Insert(0, "Type", MakeName("XObject"));
  image->dict.Insert(1, "Subtype", MakeName("Image"));
  image->dict.Add("Width", MakeInteger(W));
  image->dict.Add("Height", MakeInteger(H));
  if (maskObject != 0) image->dict.Add("SMask", MakeRef(maskObject));
  const int imageNumber = static_cast<int>(images.size());
  const int imageObject = AddImageObject(std::move(image));
  const std::string name = "lm" + std::to_string(imageNumber);

  if (width == 0 && height == 0) {
    width = W;
    height = H;
  } else if (width == -1) {
    width = AtLeastOne(static_cast<long long>(W) * height / H);
  } else if (height == -1) {
    height = AtLeastOne(static_cast<long long>(H) * width / W);
  }
  width = std::max(width, 1);
  height = std::max(height, 1);

  const double pageTop = pagesSizes[static_cast<std::size_t>(fPageIndex)].Y - y;
  std::string content = "\nq";
  content += "\n1. 0. 0. 1. " + FormatPDFFixed(x + width / 2.0) + " " + FormatPDFFixed(pageTop - height / 2.0) + " cm";
  if (rotation != 0) {
    const double r = rotation * std::numbers::pi / 180;
    content += "\n" + FormatPDFFixed(std::cos(r)) + " " + FormatPDFFixed(std::sin(r)) + " " +
               FormatPDFFixed(-std::sin(r)) + " " + FormatPDFFixed(std::cos(r)) + " 0 0 cm";
  }
  content += "\n" + FormatPDFFixed(width) + " 0. 0. " + FormatPDFFixed(height) + " 0. 0. cm";
  content += "\n1. 0. 0. 1. " + FormatPDFFixed(-0.5) + " " + FormatPDFFixed(-0.5) + " cm";
  content += "\n/" + FillOpacityName(opacity) + " gs";
  content += "\n/" + name + " Do";
  content += "\nQ";
  AppendPageContent(fPageIndex, content);

  ResourceDictionary("XObject").Add(name, MakeRef(imageObject));
}

int TPDFBuilder::AddImageObject(std::unique_ptr<TPDFStreamObject> image) {
  AddIndirectObject(*image);
  images.push_back(std::move(image));
  images.back()->FlushToCache();
  return images.back()->Index;
}

std::string TPDFBuilder::FillOpacityName(double opacity) {
  const int level = std::isnan(opacity) ? 0 : static_cast<int>(std::clamp(opacity * 255, 0.0, 255.0));
  const std::string name = "GSF" + std::to_string(level);
  if (!usedFillTransps[static_cast<std::size_t>(level)]) {
    auto state = std::make_unique<TPDFDictionaryObject>();
    state->Add("ca", std::make_unique<TPDFRealObject>(opacity));
    ResourceDictionary("ExtGState").Add(name, std::move(state));
    usedFillTransps[static_cast<std::size_t>(level)] = true;
  }
  return name;
}

}  // namespace quorvane
