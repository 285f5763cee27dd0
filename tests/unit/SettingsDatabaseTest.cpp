// The settings component's database store on an SQLite file.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>

#include "platform/vcl/Exceptions.h"
#include "settings/Settings.h"
#include "tests/support/TempDir.h"

using vcl::Variant;

namespace {

class SettingsDatabase : public ::testing::Test {
protected:
    void SetUp() override {
        Execute(
            "CREATE TABLE prefs (id INTEGER PRIMARY KEY, flag INTEGER, count INTEGER, price REAL, name TEXT);"
            "INSERT INTO prefs VALUES (1, 1, 10, 2.5, 'first');"
            "INSERT INTO prefs VALUES (2, 0, 20, 7.25, 'second');"
            "CREATE TABLE empty (flag INTEGER, count INTEGER);");
    }

    void Execute(const std::string& sql) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
        char* error = nullptr;
        const int result = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
        const std::string message = error ? error : "";
        sqlite3_free(error);
        sqlite3_close(db);
        ASSERT_EQ(result, SQLITE_OK) << message;
    }

    std::string Query(const std::string& sql) {
        sqlite3* db = nullptr;
        sqlite3_open(file.c_str(), &db);
        std::string rows;
        sqlite3_exec(
            db, sql.c_str(),
            [](void* out, int columns, char** values, char**) {
                auto& text = *static_cast<std::string*>(out);
                for (int i = 0; i < columns; ++i) text += std::string(values[i] ? values[i] : "NULL") + (i + 1 < columns ? "|" : ";");
                return 0;
            },
            &rows, nullptr);
        sqlite3_close(db);
        return rows;
    }

    TSettingItem& AddItem(const std::string& field, TSettingType type) {
        TSettingItem& item = *settings.Settings().Add();
        item.SetFieldName(field);
        item.SetDataType(type);
        item.SetStorage(ssDatabase);
        return item;
    }

    void UseTable(const std::string& table) {
        settings.SetDatabaseName(file);
        settings.SetTableName(table);
    }

    testing_support::TempDir dir;
    std::string file = dir.file("settings.db");
    vcl::TComponent form{nullptr};
    TSettings& settings = *new TSettings(&form);
};

TEST_F(SettingsDatabase, LoadsTheFirstRecordOfTheFilteredSet) {
    TSettingItem& flag = AddItem("flag", stBoolean);
    TSettingItem& count = AddItem("count", stInteger);
    TSettingItem& price = AddItem("price", stCurrency);
    TSettingItem& name = AddItem("name", stString);
    UseTable("prefs");

    settings.LoadSettings();
    EXPECT_EQ(flag.Value(), Variant(true));
    EXPECT_EQ(count.Value(), Variant(10));
    EXPECT_EQ(price.Value(), Variant(vcl::Currency{25000}));
    EXPECT_EQ(name.Value(), Variant("first"));

    settings.SetFilter("id = 2");
    settings.LoadSettings();
    EXPECT_EQ(flag.Value(), Variant(false));
    EXPECT_EQ(count.Value(), Variant(20));
    EXPECT_EQ(name.Value(), Variant("second"));
}

TEST_F(SettingsDatabase, SavesIntoTheCurrentRecordOnly) {
    AddItem("count", stInteger).SetValue(99);
    AddItem("name", stString).SetValue("it's \"quoted\"");
    UseTable("prefs");
    settings.SetFilter("id = 2");
    settings.SaveSettings();
    EXPECT_EQ(Query("SELECT id, count, name FROM prefs ORDER BY id"),
              "1|10|first;2|99|it's \"quoted\";");
}

TEST_F(SettingsDatabase, SavingIntoAnEmptySetAddsARecord) {
    AddItem("flag", stBoolean).SetValue(true);
    AddItem("count", stInteger).SetValue(5);
    UseTable("empty");
    settings.SaveSettings();
    settings.SaveSettings();
    EXPECT_EQ(Query("SELECT flag, count FROM empty"), "1|5;");
}

TEST_F(SettingsDatabase, TheItemNameIsNotConsulted) {
    TSettingItem& count = AddItem("count", stInteger);
    count.SetName("");
    UseTable("prefs");
    settings.LoadSettings();
    EXPECT_EQ(count.Value(), Variant(10));
}

TEST_F(SettingsDatabase, ErrorsOfTheDatabaseLayerPropagateAndLeaveTheTableClosed) {
    AddItem("nosuchfield", stInteger);
    UseTable("prefs");
    try {
        settings.LoadSettings();
        FAIL() << "the load went through";
    } catch (const vcl::EDatabaseError& e) {
        EXPECT_EQ(e.Message(), "Field 'nosuchfield' not found");
    }
    settings.Settings().Items(0)->SetFieldName("count");
    EXPECT_NO_THROW(settings.LoadSettings());

    settings.SetTableName("missing");
    EXPECT_THROW(settings.LoadSettings(), vcl::EDatabaseError);
    settings.SetDatabaseName(dir.file("absent.db"));
    EXPECT_THROW(settings.LoadSettings(), vcl::EDatabaseError);
}

TEST_F(SettingsDatabase, ItemsDoNothingUntilBothNamesAreSet) {
    TSettingItem& count = AddItem("count", stInteger);
    settings.SetDatabaseName(file);
    settings.LoadSettings();
    EXPECT_TRUE(count.Value().IsEmpty());
    settings.SetTableName("prefs");
    settings.LoadSettings();
    EXPECT_EQ(count.Value(), Variant(10));
}

}  // namespace
