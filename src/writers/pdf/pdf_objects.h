#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "writers/common/byte_sink.h"
#include "writers/pdf/stream_cache.h"

namespace quorvane {

// Every PDF value knows how it prints itself; numbering, offsets and the
// cross-reference table belong to the builder.
class TPDFObject {
 public:
  virtual ~TPDFObject() = default;
  // Sets Position to the output offset where the object's text begins.
  virtual void Write(CountingSink& out) = 0;

  std::int32_t Index = 0;  // object number when indirect, else 0
  // Where the object was written; for an indirect object the offset of its
  // "n 0 obj" line. 64-bit so that documents past 2 GiB stay valid.
  std::uint64_t Position = 0;
};

using TPDFObjectPtr = std::unique_ptr<TPDFObject>;

class TPDFRefObject final : public TPDFObject {
 public:
  explicit TPDFRefObject(std::int32_t objectNumber) : ObjectNumber(objectNumber) {}
  void Write(CountingSink& out) override;
  std::int32_t ObjectNumber;
  std::int32_t GenerationNumber = 0;
};

class TPDFIntegerObject final : public TPDFObject {
 public:
  explicit TPDFIntegerObject(std::int64_t value) : Value(value) {}
  void Write(CountingSink& out) override;
  std::int64_t Value;  // 64-bit: stream lengths may pass 2 GiB
};

class TPDFRealObject final : public TPDFObject {
 public:
  explicit TPDFRealObject(double value) : Value(value) {}
  void Write(CountingSink& out) override;
  double Value;
};

class TPDFBooleanObject final : public TPDFObject {
 public:
  explicit TPDFBooleanObject(bool value) : Value(value) {}
  void Write(CountingSink& out) override;
  bool Value;
};

// 8-bit text written as it is, only escaped.
class TPDFStringObject final : public TPDFObject {
 public:
  explicit TPDFStringObject(std::string value) : Value(std::move(value)) {}
  void Write(CountingSink& out) override;
  std::string Value;
};

class TPDFNameObject final : public TPDFObject {
 public:
  explicit TPDFNameObject(std::string value) : Value(std::move(value)) {}  // without the slash
  void Write(CountingSink& out) override;
  std::string Value;
};

class TPDFArrayObject final : public TPDFObject {
 public:
  TPDFArrayObject() = default;
  ~TPDFArrayObject() override;  // frees the items in reverse order
  void Write(CountingSink& out) override;
  void Add(TPDFObjectPtr item) { Items.push_back(std::move(item)); }
  std::vector<TPDFObjectPtr> Items;
};

// Keys keep their insertion order and are compared without regard to case.
class TPDFDictionaryObject final : public TPDFObject {
 public:
  TPDFDictionaryObject() = default;
  ~TPDFDictionaryObject() override;  // frees the values in reverse order
  void Write(CountingSink& out) override;

  // Replaces the value of an existing key in place, else appends.
  void Add(std::string_view key, TPDFObjectPtr value);
  // Inserts a new key at the given position (clamped to the end).
  void Insert(std::size_t position, std::string_view key, TPDFObjectPtr value);
  TPDFObject* Find(std::string_view key) const;
  std::size_t Count() const { return items_.size(); }
  const std::string& KeyAt(std::size_t i) const { return items_[i].first; }

 private:
  std::vector<std::pair<std::string, TPDFObjectPtr>> items_;
};

class TPDFStreamObject final : public TPDFObject {
 public:
  TPDFStreamObject();  // dictionary starts with "Length" 0
  TPDFStreamObject(const std::uint8_t* copydata, std::size_t copylength);
  void Write(CountingSink& out) override;

  void AddContent(const std::uint8_t* data, std::size_t datalen);
  void AddContent(std::string_view text);
  // Moves the data to a temporary file so that memory holds one page at a time.
  void FlushToCache();
  std::uint64_t DataLength() const { return cache ? cacheLength : databuf.size(); }

  std::vector<std::uint8_t> databuf;
  TPDFDictionaryObject dict;
  std::unique_ptr<TTemporaryFileStream> cache;
  std::uint64_t cacheLength = 0;
};

// Shorthands for building dictionaries.
inline TPDFObjectPtr MakeName(std::string value) { return std::make_unique<TPDFNameObject>(std::move(value)); }
inline TPDFObjectPtr MakeInteger(std::int64_t value) { return std::make_unique<TPDFIntegerObject>(value); }
inline TPDFObjectPtr MakeRef(std::int32_t objectNumber) { return std::make_unique<TPDFRefObject>(objectNumber); }

}  // namespace quorvane
