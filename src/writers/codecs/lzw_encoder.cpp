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

// Known strings as (prefix code, next byte) -> code, open addressing with
// linear probing. At most 3836 strings live in 8192 slots, so probes stay
// short, and the whole table (32 KiB) stays in the first-level cache.
class StringTable {
 public:
  static constexpr std::uint32_t kNotFound = ~std::uint32_t{0};

  StringTable() { Clear(); }
  void Clear() { slots_.fill(kEmpty); }

  static std::uint32_t Key(std::uint32_t prefix, std::uint32_t byte) { return prefix << 8 | byte; }

  // The code of the string, or kNotFound and the slot where it belongs.
  std::uint32_t Find(std::uint32_t key, std::uint32_t& slot) const {
    std::uint32_t at = (key * 0x9E3779B1u) >> (32 - kSlotBits);
    for (;;) {
      const std::uint32_t entry = slots_[at];
      if (entry >> kCodeBits == key) return entry & kCodeMask;
      if (entry == kEmpty) break;
      at = (at + 1) & (kSlots - 1);
    }
    slot = at;
    return kNotFound;
  }

  void Insert(std::uint32_t slot, std::uint32_t key, std::uint32_t code) { slots_[slot] = key << kCodeBits | code; }

 private:
  static constexpr int kSlotBits = 13;
  static constexpr std::uint32_t kSlots = 1u << kSlotBits;
  static constexpr int kCodeBits = 12;
  static constexpr std::uint32_t kCodeMask = (1u << kCodeBits) - 1;
  // Key 0xFFFFF cannot occur: prefixes stay below 4094.
  static constexpr std::uint32_t kEmpty = ~std::uint32_t{0};

  std::array<std::uint32_t, kSlots> slots_;
};

}  // namespace

struct LzwEncoder::Impl {
  explicit Impl(ByteSink& out) : bits(out) { bits.Put(kClearCode, kFirstWidth); }

  // Counts the code the reader adds for the code just written; switches
  // to the next width or starts over with a Clear code.
  void CountNewCode() {
    if (++nextCode == kTableFull) {
      bits.Put(kClearCode, width);
      table.Clear();
      nextCode = kFirstFreeCode;
      width = kFirstWidth;
    } else if (nextCode == 1u << width) {
      ++width;
    }
  }

  BitWriter bits;
  StringTable table;
  std::uint32_t prefix = StringTable::kNotFound;  // the longest known string read so far
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
  if (prefix == StringTable::kNotFound) prefix = *data++;
  for (; data != end; ++data) {
    const std::uint32_t key = StringTable::Key(prefix, *data);
    std::uint32_t slot;
    const std::uint32_t code = s.table.Find(key, slot);
    if (code != StringTable::kNotFound) {
      prefix = code;
      continue;
    }
    s.bits.Put(prefix, s.width);
    s.table.Insert(slot, key, s.nextCode);
    s.CountNewCode();
    prefix = *data;
  }
  s.prefix = prefix;
}

void LzwEncoder::Finish() {
  Impl& s = *impl_;
  if (s.finished) throw std::logic_error("LZW coder: finished twice");
  s.finished = true;
  if (s.prefix != StringTable::kNotFound) {
    s.bits.Put(s.prefix, s.width);
    s.CountNewCode();
  }
  s.bits.Put(kEndOfInformation, s.width);
  s.bits.FinishBytes();
}

}  // namespace quorvane::codecs
