#include "writers/codecs/lzw_encoder.h"

#include <array>
#include <stdexcept>

#include "writers/codecs/bit_writer.h"

namespace quorvane::codecs {

namespace {

constexpr std::uint32_t kClearCode = 256;
constexpr std::uint32_t kEndOfInformation = 257;
constexpr std::uint32_t kFirstFreeCode = 258;
// A Clear goes out when the next free code would be 4094, so codes never
// need more than 12 bits, even in readers that change width one code early.
constexpr std::uint32_t kTableFull = 4094;
constexpr int kFirstWidth = 9;
constexpr std::uint32_t kNoPrefix = ~std::uint32_t{0};

// Known strings as (prefix code, next byte) -> code, open addressing with
// linear probing. The slot of a string is Scatter(prefix) ^ Scatter(byte),
// each half scattered on its own so that neighbouring codes and byte values
// spread out. Every slot keeps its code's scatter value beside the code, so
// following a string costs one load and one xor per byte; the check that
// the slot holds the wanted string (owner_) is off that path. At most 3836
// strings live in 16384 slots, so probes stay short.
class StringTable {
 public:
  static std::uint32_t ScatterCode(std::uint32_t code) { return (code * 0x9E3779B1u) >> (32 - kSlotBits); }
  static std::uint32_t ScatterByte(std::uint32_t byte) { return (byte * 0x85EBCA77u) >> (32 - kSlotBits); }
  static std::uint32_t Key(std::uint32_t prefix, std::uint32_t byte) { return prefix << 8 | byte; }

  StringTable() { Clear(); }
  void Clear() { slots_.fill(kEmpty); }

  // Looks for the string from slot `at` on; on success `code` and `scatter`
  // describe it, else `at` is the free slot where it belongs.
  bool Find(std::uint32_t key, std::uint32_t& at, std::uint32_t& code, std::uint32_t& scatter) const {
    for (;;) {
      const std::uint32_t slot = slots_[at];
      if (slot == kEmpty) return false;
      if (owner_[slot & kCodeMask] == key) {
        code = slot & kCodeMask;
        scatter = slot >> kScatterShift;
        return true;
      }
      at = (at + 1) & (kSlots - 1);
    }
  }

  void Insert(std::uint32_t at, std::uint32_t key, std::uint32_t code) {
    slots_[at] = ScatterCode(code) << kScatterShift | code;
    owner_[code] = key;
  }

 private:
  static constexpr int kSlotBits = 14;
  static constexpr std::uint32_t kSlots = 1u << kSlotBits;
  static constexpr int kScatterShift = 16;
  static constexpr std::uint32_t kCodeMask = 0xFFF;
  static constexpr std::uint32_t kEmpty = 0;  // code 0 is a single byte, never stored

  std::array<std::uint32_t, kSlots> slots_;
  std::array<std::uint32_t, 4096> owner_{};  // the string each code stands for
};

}  // namespace

struct LzwEncoder::Impl {
  explicit Impl(ByteSink& out) : bits(out) { bits.Put(kClearCode, kFirstWidth); }

  // After the reader's table has grown to `next` codes: switches to the next
  // width, or starts over with a Clear code when the table is full. Works on
  // the caller's copies so that hot loops keep them in registers.
  void FollowTable(BitWriter::PendingBits& pending, std::uint32_t& next, int& codeWidth) {
    if (next == kTableFull) {
      bits.Append(pending, kClearCode, codeWidth);
      table.Clear();
      next = kFirstFreeCode;
      codeWidth = kFirstWidth;
    } else if (next == 1u << codeWidth) {
      ++codeWidth;
    }
  }

  BitWriter bits;
  StringTable table;
  std::uint32_t prefix = kNoPrefix;  // the longest known string read so far
  std::uint32_t nextCode = kFirstFreeCode;
  int width = kFirstWidth;
  bool finished = false;
};

LzwEncoder::LzwEncoder(ByteSink& out) : impl_(std::make_unique<Impl>(out)) {}

LzwEncoder::~LzwEncoder() = default;

void LzwEncoder::Encode(const std::uint8_t* data, std::size_t size) {
  Impl& s = *impl_;
  if (s.finished) throw std::logic_error("LZW coder: data after the end of the code stream");
  if (size == 0) return;
  const std::uint8_t* const end = data + size;
  std::uint32_t prefix = s.prefix;
  if (prefix == kNoPrefix) prefix = *data++;
  std::uint32_t scatter = StringTable::ScatterCode(prefix);
  std::uint32_t next = s.nextCode;
  int width = s.width;
  BitWriter::PendingBits pending = s.bits.Pending();
  for (; data != end; ++data) {
    const std::uint32_t byte = *data;
    const std::uint32_t key = StringTable::Key(prefix, byte);
    std::uint32_t at = scatter ^ StringTable::ScatterByte(byte);
    if (s.table.Find(key, at, prefix, scatter)) continue;
    s.bits.Append(pending, prefix, width);
    s.table.Insert(at, key, next);
    s.FollowTable(pending, ++next, width);
    prefix = byte;
    scatter = StringTable::ScatterCode(byte);
  }
  s.bits.SetPending(pending);
  s.prefix = prefix;
  s.nextCode = next;
  s.width = width;
}

void LzwEncoder::Finish() {
  Impl& s = *impl_;
  if (s.finished) throw std::logic_error("LZW coder: finished twice");
  s.finished = true;
  BitWriter::PendingBits pending = s.bits.Pending();
  if (s.prefix != kNoPrefix) {
    s.bits.Append(pending, s.prefix, s.width);
    s.FollowTable(pending, ++s.nextCode, s.width);
  }
  s.bits.Append(pending, kEndOfInformation, s.width);
  s.bits.SetPending(pending);
  s.bits.FinishBytes();
}

}  // namespace quorvane::codecs
