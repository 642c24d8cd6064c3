#include "writers/codecs/fax_encoder.h"

#include <stdexcept>
#include <string>
#include <utility>

#include "writers/codecs/bit_row.h"
#include "writers/codecs/bit_writer.h"
#include "writers/codecs/fax_codes.h"

namespace quorvane::codecs {

namespace {

const FaxRunCodes& RunCodes(FaxColour colour) { return colour == kWhite ? kWhiteRunCodes : kBlackRunCodes; }

// Far beyond any scanned page (over 300 m at 1200 dpi); positions and word
// counts stay well inside int.
constexpr int kMaxWidth = 1 << 24;

int CheckedWidth(int width) {
  if (width < 1 || width > kMaxWidth) {
    throw std::invalid_argument("fax coder: row width " + std::to_string(width) + " is out of range");
  }
  return width;
}

}  // namespace

struct FaxEncoder::Impl {
  Impl(ByteSink& out, int width, FaxScheme codeScheme, FaxWhiteBit white)
      : bits(out), scheme(codeScheme), invert(white == FaxWhiteBit::One), line(width), reference(width) {}

  void Put(FaxCode code) { bits.Put(code.bits, code.length); }

  void PutRun(int run, FaxColour colour) {
    const FaxRunCodes& codes = RunCodes(colour);
    while (run >= kLongestMakeUpRun) {
      Put(codes.makeUp.back());
      run -= kLongestMakeUpRun;
    }
    if (run >= 64) Put(codes.makeUp[static_cast<std::size_t>(run / 64 - 1)]);
    Put(codes.terminating[static_cast<std::size_t>(run & 63)]);
  }

  // Runs alternate from white; the first one may be empty.
  void EncodeOneDimensional() {
    const int width = line.Width();
    int a0 = 0;
    FaxColour colour = kWhite;
    do {
      const int a1 = line.NextChange(a0, colour);
      PutRun(a1 - a0, colour);
      a0 = a1;
      colour = Opposite(colour);
    } while (a0 < width);
  }

  // Codes `line` against `reference` with pass, vertical and horizontal
  // modes. a0 starts on an imaginary white element before the row, which is
  // why b1 may then sit on the very first pixel.
  void EncodeTwoDimensional() {
    const int width = line.Width();
    int a0 = 0;
    FaxColour colour = kWhite;
    int b1 = reference.NextChange(0, kWhite);
    for (;;) {
      const int a1 = line.NextChange(a0, colour);
      const int b2 = reference.NextChange(b1, Opposite(colour));
      if (b2 < a1) {
        Put(kPassMode);
        a0 = b2;
      } else if (const int d = a1 - b1; d >= -3 && d <= 3) {
        Put(kVerticalModes[static_cast<std::size_t>(d + 3)]);
        a0 = a1;
        colour = Opposite(colour);
      } else {
        const int a2 = line.NextChange(a1, Opposite(colour));
        Put(kHorizontalMode);
        PutRun(a1 - a0, colour);
        PutRun(a2 - a1, Opposite(colour));
        a0 = a2;
      }
      if (a0 >= width) return;
      // b1: the next change to the opposite colour right of a0.
      b1 = reference.NextChange(reference.NextChange(a0, Opposite(colour)), colour);
    }
  }

  BitWriter bits;
  FaxScheme scheme;
  bool invert;
  bool firstRow = true;
  bool finished = false;
  BitRow line;
  BitRow reference;  // the row above; all white before the first row
};

FaxEncoder::FaxEncoder(ByteSink& out, int width, FaxScheme scheme, FaxWhiteBit white)
    : impl_(std::make_unique<Impl>(out, CheckedWidth(width), scheme, white)) {}

FaxEncoder::~FaxEncoder() = default;

void FaxEncoder::EncodeRow(const std::uint8_t* row) {
  Impl& s = *impl_;
  if (s.finished) throw std::logic_error("fax coder: row after the end of the data");
  s.line.Load(row, s.invert);
  if (s.scheme == FaxScheme::Group4) {
    s.EncodeTwoDimensional();
  } else if (s.firstRow) {
    s.bits.Put(kEndOfLine.bits << 1 | 1, kEndOfLine.length + 1);
    s.EncodeOneDimensional();
  } else {
    s.bits.Put(kEndOfLine.bits << 1, kEndOfLine.length + 1);
    s.EncodeTwoDimensional();
  }
  std::swap(s.line, s.reference);
  s.firstRow = false;
}

void FaxEncoder::Finish() {
  Impl& s = *impl_;
  if (s.finished) throw std::logic_error("fax coder: finished twice");
  s.finished = true;
  s.Put(kEndOfLine);
  if (s.scheme == FaxScheme::Group4) s.Put(kEndOfLine);
  s.bits.FinishBytes();
}

}  // namespace quorvane::codecs
