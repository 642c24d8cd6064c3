#include "writers/pdf/pdf_objects.h"

#include <algorithm>
#include <cctype>

#include "writers/pdf/pdf_text.h"

namespace quorvane {

namespace {

bool SameKey(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

template <typename Items>
void FreeInReverse(Items& items) {
  while (!items.empty()) items.pop_back();
}

}  // namespace

void TPDFRefObject::Write(CountingSink& out) {
  Position = out.Position();
  out.Write(std::to_string(ObjectNumber) + ' ' + std::to_string(GenerationNumber) + " R");
}

void TPDFIntegerObject::Write(CountingSink& out) {
  Position = out.Position();
  out.Write(std::to_string(Value));
}

void TPDFRealObject::Write(CountingSink& out) {
  Position = out.Position();
  out.Write(FormatPDFReal(Value));
}

void TPDFBooleanObject::Write(CountingSink& out) {
  Position = out.Position();
  out.Write(Value ? "true" : "false");
}

void TPDFStringObject::Write(CountingSink& out) {
  Position = out.Position();
  out.Write(FormatPDFString(Value));
}

void TPDFNameObject::Write(CountingSink& out) {
  Position = out.Position();
  out.Write(FormatPDFName(Value));
}

TPDFArrayObject::~TPDFArrayObject() { FreeInReverse(Items); }

void TPDFArrayObject::Write(CountingSink& out) {
  Position = out.Position();
  out.Write("[");
  for (const TPDFObjectPtr& item : Items) {
    item->Write(out);
    out.Write(" ");
  }
  out.Write("]");
}

TPDFDictionaryObject::~TPDFDictionaryObject() { FreeInReverse(items_); }

void TPDFDictionaryObject::Write(CountingSink& out) {
  Position = out.Position();
  out.Write("<< ");
  for (const auto& [key, value] : items_) {
    // Keys are our own plain ASCII names: no escaping.
    out.Write("/" + key + " ");
    value->Write(out);
    out.Write("\n");
  }
  out.Write(">>");
}

void TPDFDictionaryObject::Add(std::string_view key, TPDFObjectPtr value) {
  for (auto& item : items_) {
    if (SameKey(item.first, key)) {
      item.second = std::move(value);
      return;
    }
  }
  items_.emplace_back(std::string(key), std::move(value));
}

void TPDFDictionaryObject::Insert(std::size_t position, std::string_view key, TPDFObjectPtr value) {
  const auto at = items_.begin() + static_cast<std::ptrdiff_t>(std::min(position, items_.size()));
  items_.emplace(at, std::string(key), std::move(value));
}

TPDFObject* TPDFDictionaryObject::Find(std::string_view key) const {
  for (const auto& item : items_) {
    if (SameKey(item.first, key)) return item.second.get();
  }
  return nullptr;
}

TPDFStreamObject::TPDFStreamObject() { dict.Add("Length", MakeInteger(0)); }

TPDFStreamObject::TPDFStreamObject(const std::uint8_t* copydata, std::size_t copylength) : TPDFStreamObject() {
  AddContent(copydata, copylength);
}

void TPDFStreamObject::AddContent(const std::uint8_t* data, std::size_t datalen) {
  databuf.insert(databuf.end(), data, data + datalen);
}

void TPDFStreamObject::AddContent(std::string_view text) {
  AddContent(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

void TPDFStreamObject::FlushToCache() {
  if (!cache) cache = std::make_unique<TTemporaryFileStream>();
  cache->Write(databuf.data(), databuf.size());
  cacheLength += databuf.size();
  databuf = {};
}

void TPDFStreamObject::Write(CountingSink& out) {
  Position = out.Position();
  dict.Add("Length", MakeInteger(static_cast<std::int64_t>(DataLength())));
  dict.Write(out);
  out.Write("\nstream\n");
  if (cache) {
    cache->CopyTo(out, cacheLength);
  } else {
    out.Write(databuf.data(), databuf.size());
  }
  out.Write("\nendstream");
}

}  // namespace quorvane
