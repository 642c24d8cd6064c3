#pragma once

#include <QCollator>
#include <QObject>
#include <QSet>
#include <QVariant>

#include <vector>

#include "profiles/profile_fields.h"

namespace quorvane {

// The in-memory profile table. Rows are kept in title order (the user's
// locale, case-sensitive; equal titles in the order the rows came), there is
// one current row, and changes go through Edit/Insert and Post. Leaving the
// current row (First, Next, Locate, Insert) posts its pending changes first.
class TMemData : public QObject {
  Q_OBJECT

 public:
  enum class TState { Browse, Edit, Insert };

  explicit TMemData(QObject* parent = nullptr);

  // Replaces the whole table by `rows` (in file order) and makes the first row
  // current. Each ID keeps its value; a row whose ID is null or already taken
  // by an earlier row gets a new number, since the ID is what links a tile to
  // its row. Returns how many rows got one.
  int LoadRows(const std::vector<TProfileValues>& rows);
  // The rows in table order (a pending insert not included).
  std::vector<TProfileValues> Rows() const;
  int RecordCount() const { return static_cast<int>(rows_.size()); }

  void First();
  void Next();
  // True on an empty table and after Next on the last row.
  bool Eof() const { return eof_; }
  // Makes the row with this ID current; false (current row unchanged) when there is none.
  bool Locate(int id);

  // A new, empty current row; it joins the table at Post.
  void Insert();
  // Starts changing the current row; throws std::logic_error on an empty table.
  void Edit();
  // Stores the pending changes: a new row gets the next ID and its RecId; the
  // row moves to its place in title order and stays current.
  void Post();
  // Deletes the current row (a pending insert is only dropped) and emits
  // AfterDelete; the row after it becomes current, or the last one.
  void Delete();

  TState State() const { return state_; }
  // True between the first change of the current row and Post.
  bool Modified() const { return modified_; }

  // A field of the current row; null without a current row.
  QVariant Value(TProfileField field) const;
  // Changes a field of the current row, entering edit state when browsing. A
  // null QVariant clears the field. The ID is the table's to give: setting it
  // throws std::logic_error; so does a change without a current row.
  void SetValue(TProfileField field, const QVariant& value);
  // The hidden record number of the current row, 0 without one.
  qint64 RecId() const;

 signals:
  void AfterDelete(quorvane::TMemData* table);

 private:
  struct TRow {
    qint64 recId = 0;
    TProfileValues values;
  };

  bool HasCurrentRow() const { return current_ >= 0; }
  void SortRows();
  int NextId();

  std::vector<TRow> rows_;
  int current_ = -1;
  bool eof_ = true;
  TState state_ = TState::Browse;
  TRow buffer_;  // the row being edited or inserted
  bool modified_ = false;
  qint64 nextRecId_ = 1;
  // IDs are never given twice while the program runs, even after a delete.
  int highestId_ = 0;
  int lowestFreeId_ = 1;
  QSet<int> heldIds_;
  QCollator collator_;
};

}  // namespace quorvane
