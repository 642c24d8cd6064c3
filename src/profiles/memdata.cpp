#include "profiles/memdata.h"

#include <QLocale>

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace quorvane {

TMemData::TMemData(QObject* parent) : QObject(parent), collator_(QLocale()) {
  collator_.setCaseSensitivity(Qt::CaseSensitive);
}

int TMemData::LoadRows(const std::vector<TProfileValues>& rows) {
  rows_.clear();
  state_ = TState::Browse;
  modified_ = false;
  nextRecId_ = 1;
  highestId_ = 0;
  lowestFreeId_ = 1;
  heldIds_.clear();

  std::vector<std::size_t> withoutId;
  for (const TProfileValues& values : rows) {
    const QVariant& id = values[pfID];
    if (id.isValid() && !heldIds_.contains(id.toInt())) {
      heldIds_.insert(id.toInt());
      highestId_ = std::max(highestId_, id.toInt());
    } else {
      withoutId.push_back(rows_.size());
    }
    rows_.push_back({nextRecId_++, values});
  }
  for (const std::size_t index : withoutId) rows_[index].values[pfID] = NextId();

  SortRows();
  current_ = rows_.empty() ? -1 : 0;
  eof_ = rows_.empty();
  return static_cast<int>(withoutId.size());
}

std::vector<TProfileValues> TMemData::Rows() const {
  std::vector<TProfileValues> values;
  values.reserve(rows_.size());
  for (const TRow& row : rows_) values.push_back(row.values);
  return values;
}

void TMemData::First() {
  Post();
  current_ = rows_.empty() ? -1 : 0;
  eof_ = rows_.empty();
}

void TMemData::Next() {
  Post();
  if (current_ + 1 < RecordCount()) {
    ++current_;
  } else {
    eof_ = true;
  }
}

bool TMemData::Locate(int id) {
  Post();
  const auto found = std::find_if(rows_.begin(), rows_.end(), [id](const TRow& row) {
    return row.values[pfID].isValid() && row.values[pfID].toInt() == id;
  });
  if (found == rows_.end()) return false;
  current_ = static_cast<int>(found - rows_.begin());
  eof_ = false;
  return true;
}

void TMemData::Insert() {
  Post();
  buffer_ = TRow{};
  state_ = TState::Insert;
  modified_ = false;
}

void TMemData::Edit() {
  if (state_ != TState::Browse) return;
  if (!HasCurrentRow()) throw std::logic_error("The profile table has no current row");
  buffer_ = rows_[current_];
  state_ = TState::Edit;
  modified_ = false;
}

void TMemData::Post() {
  if (state_ == TState::Browse) return;
  if (state_ == TState::Insert) {
    buffer_.recId = nextRecId_++;
    buffer_.values[pfID] = NextId();
    rows_.push_back(buffer_);
  } else {
    rows_[current_] = buffer_;
  }
  const qint64 posted = buffer_.recId;
  state_ = TState::Browse;
  modified_ = false;
  SortRows();
  current_ = static_cast<int>(
      std::find_if(rows_.begin(), rows_.end(), [posted](const TRow& row) { return row.recId == posted; }) -
      rows_.begin());
  eof_ = false;
}

void TMemData::Delete() {
  const bool inserting = state_ == TState::Insert;
  state_ = TState::Browse;
  modified_ = false;
  if (inserting) return;
  if (!HasCurrentRow()) throw std::logic_error("The profile table has no current row");
  rows_.erase(rows_.begin() + current_);
  current_ = std::min(current_, RecordCount() - 1);
  eof_ = rows_.empty();
  emit AfterDelete(this);
}

QVariant TMemData::Value(TProfileField field) const {
  if (state_ != TState::Browse) return buffer_.values[field];
  if (!HasCurrentRow()) return {};
  return rows_[current_].values[field];
}

void TMemData::SetValue(TProfileField field, const QVariant& value) {
  if (field == pfID) throw std::logic_error("The profile ID is given by the table");
  const QVariant stored = ToFieldValue(field, value);
  Edit();
  buffer_.values[field] = stored;
  modified_ = true;
}

qint64 TMemData::RecId() const {
  if (state_ != TState::Browse) return buffer_.recId;
  return HasCurrentRow() ? rows_[current_].recId : 0;
}

void TMemData::SortRows() {
  std::sort(rows_.begin(), rows_.end(), [this](const TRow& a, const TRow& b) {
    const int order = collator_.compare(a.values[pfVantelTitel].toString(), b.values[pfVantelTitel].toString());
    return order != 0 ? order < 0 : a.recId < b.recId;
  });
}

int TMemData::NextId() {
  int id = highestId_;
  if (highestId_ < std::numeric_limits<int>::max()) {
    id = ++highestId_;
  } else {
    // Only a file that already holds the largest number gets here: take the
    // smallest positive number not given yet. Numbers are only ever taken, so
    // the search goes on from where the last one ended.
    while (heldIds_.contains(lowestFreeId_)) ++lowestFreeId_;
    id = lowestFreeId_;
  }
  heldIds_.insert(id);
  return id;
}

}  // namespace quorvane
