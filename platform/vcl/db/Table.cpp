#include "platform/vcl/db/Table.h"

#include <sqlite3.h>

#include "platform/vcl/Classes.h"
#include "platform/vcl/Exceptions.h"

namespace vcl {

namespace {

struct StatementDeleter {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

std::string QuoteIdentifier(const std::string& name) {
    std::string quoted = "\"";
    for (char c : name) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

[[noreturn]] void ThrowDatabaseError(sqlite3* db) {
    throw EDatabaseError(db ? sqlite3_errmsg(db) : "Database error");
}

Statement Prepare(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) ThrowDatabaseError(db);
    return Statement(statement);
}

Variant ColumnValue(sqlite3_stmt* statement, int column) {
    switch (sqlite3_column_type(statement, column)) {
        case SQLITE_INTEGER: {
            const sqlite3_int64 value = sqlite3_column_int64(statement, column);
            if (value >= INT32_MIN && value <= INT32_MAX) return Variant(static_cast<std::int32_t>(value));
            return Variant(static_cast<double>(value));
        }
        case SQLITE_FLOAT: return Variant(sqlite3_column_double(statement, column));
        case SQLITE_NULL: return Variant();
        default: {
            const auto* text = sqlite3_column_text(statement, column);
            const int size = sqlite3_column_bytes(statement, column);
            return Variant(std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(size)));
        }
    }
}

void Bind(sqlite3* db, sqlite3_stmt* statement, int index, const Variant& value) {
    int result = SQLITE_OK;
    switch (value.Type()) {
        case VarType::Empty: result = sqlite3_bind_null(statement, index); break;
        case VarType::Boolean: result = sqlite3_bind_int(statement, index, value.AsBoolean() ? 1 : 0); break;
        case VarType::Integer: result = sqlite3_bind_int(statement, index, value.AsInteger()); break;
        case VarType::String: {
            const std::string text = value.AsString();
            result = sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()),
                                       SQLITE_TRANSIENT);
            break;
        }
        default: result = sqlite3_bind_double(statement, index, value.AsDouble()); break;
    }
    if (result != SQLITE_OK) ThrowDatabaseError(db);
}

}  // namespace

void TField::Assign(Variant value) {
    table_->RequireEditing(*this);
    value_ = std::move(value);
    modified_ = true;
}

TTable::TTable(std::string databaseName, std::string tableName)
    : databaseName_(std::move(databaseName)), tableName_(std::move(tableName)) {}

TTable::~TTable() { Close(); }

void TTable::Open() {
    Close();
    if (sqlite3_open_v2(databaseName_.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        const std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
        Close();
        throw EDatabaseError("Cannot open database " + databaseName_ + ": " + message);
    }
    try {
        LoadColumns();
        LoadFirstRecord();
    } catch (...) {
        Close();
        throw;
    }
}

void TTable::LoadColumns() {
    Statement statement = Prepare(db_, "PRAGMA table_info(" + QuoteIdentifier(tableName_) + ")");
    fields_.clear();
    while (sqlite3_step(statement.get()) == SQLITE_ROW) {
        const auto* name = sqlite3_column_text(statement.get(), 1);
        fields_.emplace_back(reinterpret_cast<const char*>(name), Variant());
        fields_.back().table_ = this;
    }
    if (fields_.empty()) throw EDatabaseError("Table " + tableName_ + " does not exist");
}

void TTable::LoadFirstRecord() {
    std::string sql = "SELECT rowid";
    for (const TField& field : fields_) sql += ", " + QuoteIdentifier(field.name_);
    sql += " FROM " + QuoteIdentifier(tableName_);
    if (filtered_ && !filter_.empty()) sql += " WHERE (" + filter_ + ")";
    sql += " ORDER BY rowid LIMIT 1";
    Statement statement = Prepare(db_, sql);
    const int step = sqlite3_step(statement.get());
    if (step != SQLITE_ROW && step != SQLITE_DONE) ThrowDatabaseError(db_);
    hasRecord_ = step == SQLITE_ROW;
    rowId_ = hasRecord_ ? sqlite3_column_int64(statement.get(), 0) : 0;
    for (std::size_t i = 0; i < fields_.size(); ++i)
        fields_[i].value_ = hasRecord_ ? ColumnValue(statement.get(), static_cast<int>(i) + 1) : Variant();
}

void TTable::Close() {
    fields_.clear();
    hasRecord_ = false;
    state_ = State::Browse;
    if (db_) sqlite3_close(db_);
    db_ = nullptr;
}

void TTable::Edit() {
    if (!Active()) throw EDatabaseError("Cannot perform this operation on a closed dataset");
    state_ = hasRecord_ ? State::Edit : State::Insert;
}

void TTable::Post() {
    if (state_ == State::Browse) return;
    std::vector<const TField*> changed;
    for (const TField& field : fields_)
        if (field.modified_) changed.push_back(&field);

    std::string sql;
    if (state_ == State::Edit) {
        if (changed.empty()) return Cancel();
        sql = "UPDATE " + QuoteIdentifier(tableName_) + " SET ";
        for (std::size_t i = 0; i < changed.size(); ++i)
            sql += (i ? ", " : "") + QuoteIdentifier(changed[i]->name_) + " = ?";
        sql += " WHERE rowid = ?";
    } else if (changed.empty()) {
        sql = "INSERT INTO " + QuoteIdentifier(tableName_) + " DEFAULT VALUES";
    } else {
        sql = "INSERT INTO " + QuoteIdentifier(tableName_) + " (";
        for (std::size_t i = 0; i < changed.size(); ++i) sql += (i ? ", " : "") + QuoteIdentifier(changed[i]->name_);
        sql += ") VALUES (";
        for (std::size_t i = 0; i < changed.size(); ++i) sql += i ? ", ?" : "?";
        sql += ")";
    }
    Statement statement = Prepare(db_, sql);
    int index = 1;
    for (const TField* field : changed) Bind(db_, statement.get(), index++, field->value_);
    if (state_ == State::Edit) sqlite3_bind_int64(statement.get(), index, rowId_);
    if (sqlite3_step(statement.get()) != SQLITE_DONE) ThrowDatabaseError(db_);

    if (state_ == State::Insert) {
        rowId_ = sqlite3_last_insert_rowid(db_);
        hasRecord_ = true;
    }
    for (TField& field : fields_) field.modified_ = false;
    state_ = State::Browse;
}

void TTable::Cancel() {
    if (state_ == State::Browse) return;
    state_ = State::Browse;
    if (Active()) LoadFirstRecord();
    for (TField& field : fields_) field.modified_ = false;
}

TField& TTable::FieldByName(const std::string& name) {
    for (TField& field : fields_)
        if (SameText(field.name_, name)) return field;
    throw EDatabaseError("Field '" + name + "' not found");
}

void TTable::RequireEditing(const TField& field) const {
    if (state_ == State::Browse)
        throw EDatabaseError("Dataset not in edit or insert mode (field '" + field.name_ + "')");
}

}  // namespace vcl
