#pragma once
// A table of an embedded SQLite database, seen one record at a time: filter, open, edit the
// current record, post, close, and fields by name. `DatabaseName` is the database file.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/vcl/Variant.h"

struct sqlite3;

namespace vcl {

class TTable;

class TField {
public:
    TField(std::string name, Variant value) : name_(std::move(name)), value_(std::move(value)) {}

    const std::string& FieldName() const { return name_; }
    bool IsNull() const { return value_.IsEmpty(); }

    bool AsBoolean() const { return value_.AsBoolean(); }
    Currency AsCurrency() const { return value_.AsCurrency(); }
    DateTime AsDateTime() const { return value_.AsDateTime(); }
    double AsFloat() const { return value_.AsDouble(); }
    std::int32_t AsInteger() const { return value_.AsInteger(); }
    std::string AsString() const { return value_.AsString(); }

    // Writes need the table in edit mode; the table raises otherwise.
    void SetAsBoolean(bool value) { Assign(value); }
    void SetAsCurrency(Currency value) { Assign(value.ToDouble()); }
    void SetAsDateTime(DateTime value) { Assign(value.days); }
    void SetAsFloat(double value) { Assign(value); }
    void SetAsInteger(std::int32_t value) { Assign(value); }
    void SetAsString(const std::string& value) { Assign(value); }

private:
    friend class TTable;
    void Assign(Variant value);

    std::string name_;
    Variant value_;
    bool modified_ = false;
    TTable* table_ = nullptr;
};

class TTable {
public:
    TTable(std::string databaseName, std::string tableName);
    ~TTable();
    TTable(const TTable&) = delete;
    TTable& operator=(const TTable&) = delete;

    const std::string& DatabaseName() const { return databaseName_; }
    const std::string& TableName() const { return tableName_; }

    // An SQL condition on the table's columns, applied when the table is opened while Filtered.
    const std::string& Filter() const { return filter_; }
    void SetFilter(const std::string& filter) { filter_ = filter; }
    bool Filtered() const { return filtered_; }
    void SetFiltered(bool filtered) { filtered_ = filtered; }

    // Opens the table on the first record of the (filtered) set. Raises EDatabaseError with
    // the database's text when the file or the table cannot be opened.
    void Open();
    void Close();
    bool Active() const { return db_ != nullptr; }
    // No current record: the set is empty.
    bool IsEmpty() const { return !hasRecord_; }

    // Puts the current record into edit mode; on an empty set a new record is started.
    void Edit();
    // Stores the edited record; raises EDatabaseError when the database refuses.
    void Post();
    void Cancel();

    // Raises EDatabaseError("Field '<name>' not found").
    TField& FieldByName(const std::string& name);

private:
    friend class TField;
    void RequireEditing(const TField& field) const;
    void LoadColumns();
    void LoadFirstRecord();

    std::string databaseName_;
    std::string tableName_;
    std::string filter_;
    bool filtered_ = false;

    sqlite3* db_ = nullptr;
    std::vector<TField> fields_;
    bool hasRecord_ = false;
    std::int64_t rowId_ = 0;
    enum class State { Browse, Edit, Insert } state_ = State::Browse;
};

}  // namespace vcl
