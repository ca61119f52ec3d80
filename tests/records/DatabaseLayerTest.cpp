#include <gtest/gtest.h>
#include <string>

#include "TempFolder.h"
#include "records/CADODatabase.h"
#include "records/CADORecordset.h"
#include "records/JetDialect.h"

using namespace lumicord;

namespace {

const std::string kProvider = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=";

class DatabaseLayer : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_database.CreateDatabaseFile(m_connectionString));
        ASSERT_TRUE(m_database.Connect(m_connectionString));
        ASSERT_TRUE(m_database.RunStatement(
            "CREATE TABLE t(ID Counter,name char(33),n int,r real,d double,b bit)"));
    }

    // Adds one row through the recordset with `name` and `n`.
    void AddRow(const std::u16string& name, int n) {
        CADORecordset rows(m_database);
        ASSERT_TRUE(rows.OpenQuery("select * from t where 1=0"));
        ASSERT_TRUE(rows.BeginNewRow());
        ASSERT_TRUE(rows.WriteText("name", name));
        ASSERT_TRUE(rows.WriteInt("n", n));
        ASSERT_TRUE(rows.CommitRow());
    }

    std::u16string Text(const std::string& sql, const char* field) {
        CADORecordset rows(m_database);
        std::u16string text = u"unset";
        EXPECT_TRUE(rows.OpenQuery(sql));
        EXPECT_TRUE(rows.ReadText(field, text));
        return text;
    }

    TempFolder m_folder;
    std::string m_connectionString = kProvider + m_folder.File("layer.mdb");
    CADODatabase m_database;
};

TEST(JetDialect, RewritesTheJetFormsOnly) {
    const struct {
        const char* jet;
        const char* sqlite;
    } cases[] = {
        {"delete * from ap_info", "delete from ap_info"},
        {"  DELETE  *  FROM t where a='*'", "  DELETE  FROM t where a='*'"},
        {"CREATE TABLE t(ID Counter,a char(4))",
         "CREATE TABLE t(ID INTEGER PRIMARY KEY AUTOINCREMENT,a char(4))"},
        {"create table t(a char(9) default 'counter', counters int)",
         "create table t(a char(9) default 'counter', counters int)"},
        {"select * from t where c='Counter'", "select * from t where c='Counter'"},
        {"delete from t", "delete from t"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TranslateJetSql(c.jet), c.sqlite) << c.jet;
}

TEST_F(DatabaseLayer, ConnectReopensAndAnEmptyStringReusesTheLastOne) {
    EXPECT_TRUE(m_database.Connect(m_connectionString)); // already open: closed and reopened
    EXPECT_TRUE(m_database.Connect());
    EXPECT_TRUE(m_database.IsConnected());
    EXPECT_EQ(m_database.ConnectionString(), m_connectionString);
    EXPECT_TRUE(m_database.RunStatement("insert into t(n) values(1)")); // the table is there

    CADODatabase fresh;
    EXPECT_FALSE(fresh.Connect()); // nothing stored yet
    EXPECT_FALSE(fresh.IsConnected());
}

TEST_F(DatabaseLayer, FailuresAreRecordedInTheDocumentedLayouts) {
    CADODatabase other;
    const std::string missing = kProvider + m_folder.File("missing/none.mdb");
    EXPECT_FALSE(other.Connect(missing));
    EXPECT_EQ(other.LastErrorCode(), 14);
    EXPECT_EQ(other.LastErrorText(), "Connection String = " + missing +
                                         "\nCADODataBase Error\n\tCode = 0000000e\n\tCode "
                                         "meaning = unable to open database file\n\tSource = "
                                         "SQLite\n\tDescription = " +
                                         other.LastErrorDescription() + "\n");
    EXPECT_FALSE(other.CreateDatabaseFile(m_connectionString)); // exists already

    CADORecordset rows(m_database);
    EXPECT_FALSE(rows.OpenQuery("  select * from nowhere"));
    EXPECT_EQ(rows.QueryText(), "select * from nowhere");
    EXPECT_EQ(rows.LastErrorText(),
              "Query = select * from nowhere\nCADORecordset Error\n\tCode = 00000001\n\tCode "
              "meaning = SQL logic error\n\tSource = SQLite\n\tDescription = no such table: "
              "nowhere\n");
}

TEST_F(DatabaseLayer, TextsRoundTripWithNullAndFixedWidth) {
    AddRow(u"", 0);
    AddRow(u"abc", 1);
    AddRow(std::u16string(40, u'x'), 2);
    AddRow(u"it's \"quoted\"", 3);
    EXPECT_EQ(Text("select name is null as nameless from t where n=0", "nameless"), u"1");
    EXPECT_EQ(Text("select * from t where n=0", "name"), u"");
    EXPECT_EQ(Text("select * from t where n=1", "name"), u"abc" + std::u16string(30, u' '));
    EXPECT_EQ(Text("select * from t where n=2", "name"), std::u16string(40, u'x')); // kept whole
    EXPECT_EQ(Text("select * from t where n=3", "name"),
              u"it's \"quoted\"" + std::u16string(20, u' '));
}

TEST_F(DatabaseLayer, IntegersKeepTheirLow16Bits) {
    const struct {
        int written;
        int read;
    } cases[] = {{7, 7}, {32767, 32767}, {32768, -32768}, {70000, 4464}, {-40000, 25536}, {-1, -1}};
    for (const auto& c : cases) {
        ASSERT_TRUE(m_database.RunStatement("delete * from t"));
        AddRow(u"row", c.written);
        CADORecordset rows(m_database);
        ASSERT_TRUE(rows.OpenQuery("select * from t"));
        int value = 0;
        EXPECT_TRUE(rows.ReadInt("n", value));
        EXPECT_EQ(value, c.read) << c.written;
    }
    ASSERT_TRUE(m_database.RunStatement("update t set n=5"));
    EXPECT_EQ(m_database.RecordsAffected(), 1);
}

TEST_F(DatabaseLayer, ReadTextConvertsEveryStorageClass) {
    ASSERT_TRUE(m_database.RunStatement("insert into t(n,r,d,b) values(-12,0.1,0.1,1)"));
    ASSERT_TRUE(m_database.RunStatement("insert into t(b) values(0)"));
    CADORecordset rows(m_database);
    ASSERT_TRUE(rows.OpenQuery("select * from t"));
    const struct {
        const char* field;
        std::u16string text;
    } cases[] = {{"n", u"-12"}, {"r", u"0.1"}, {"d", u"0.10000000000000000555"},
                 {"b", u"T"},   {"name", u""}, {"ID", u"1"}};
    for (const auto& c : cases) {
        std::u16string text = u"unset";
        EXPECT_TRUE(rows.ReadText(c.field, text)) << c.field;
        EXPECT_EQ(text, c.text) << c.field;
    }
    rows.NextRow();
    std::u16string text;
    EXPECT_TRUE(rows.ReadText("B", text)); // field names in any case
    EXPECT_EQ(text, u"F");

    ASSERT_TRUE(rows.OpenQuery("select x'00ff' as blob, 'txt' as t, 2.5 as d"));
    text = u"unset";
    EXPECT_FALSE(rows.ReadText("blob", text));
    EXPECT_EQ(text, u"unset");
    EXPECT_TRUE(rows.ReadText("t", text));
    EXPECT_EQ(text, u"txt");
    EXPECT_TRUE(rows.ReadText("d", text));
    EXPECT_EQ(text, u"2.5");
    EXPECT_FALSE(rows.ReadText("nosuchfield", text));
}

TEST_F(DatabaseLayer, EditsNeedAPendingRowAndChangeOnlyTheCurrentOne) {
    AddRow(u"first", 1);
    AddRow(u"second", 2);
    CADORecordset rows(m_database);
    ASSERT_TRUE(rows.OpenQuery("select * from t order by n"));
    EXPECT_EQ(rows.CountRows(), 2);
    EXPECT_FALSE(rows.WriteText("name", u"changed")); // no edit pending
    EXPECT_FALSE(rows.WriteInt("n", 9));
    EXPECT_TRUE(rows.CommitRow()); // nothing to commit
    rows.NextRow();
    rows.BeginEditRow();
    EXPECT_TRUE(rows.WriteInt("n", 20));
    EXPECT_TRUE(rows.CommitRow());
    EXPECT_EQ(rows.Mode(), EditNone);
    int value = 0;
    EXPECT_TRUE(rows.ReadInt("n", value)); // the open rows show the change
    EXPECT_EQ(value, 20);
    rows.NextRow();
    EXPECT_FALSE(rows.ReadInt("n", value)); // past the last row

    ASSERT_TRUE(rows.OpenQuery("select * from t where name=? order by n", {u"first"}));
    ASSERT_EQ(rows.CountRows(), 1);
    EXPECT_TRUE(rows.ReadInt("n", value));
    EXPECT_EQ(value, 1);
    ASSERT_TRUE(rows.OpenQuery("select * from t where name=?", {u"second"}));
    ASSERT_EQ(rows.CountRows(), 1);
    EXPECT_TRUE(rows.ReadInt("n", value));
    EXPECT_EQ(value, 20);
}

TEST_F(DatabaseLayer, AFailedCommitIsRecordedAndDropsTheRow) {
    ASSERT_TRUE(m_database.RunStatement("CREATE TABLE u(a int not null)"));
    CADORecordset rows(m_database);
    ASSERT_TRUE(rows.OpenQuery("select * from u"));
    ASSERT_TRUE(rows.BeginNewRow());
    EXPECT_FALSE(rows.CommitRow());
    EXPECT_EQ(rows.Mode(), EditNone);
    EXPECT_EQ(rows.LastErrorCode(), 19); // constraint
    EXPECT_NE(rows.LastErrorText().find("NOT NULL constraint failed: u.a"), std::string::npos);
    EXPECT_EQ(rows.CountRows(), 0);
    EXPECT_TRUE(rows.CommitRow()); // the failed row is gone
}

TEST_F(DatabaseLayer, RowsOfADistinctQueryAreReadOnly) {
    AddRow(u"a", 1);
    CADORecordset rows(m_database);
    ASSERT_TRUE(rows.OpenQuery("select distinct n from t"));
    EXPECT_EQ(rows.CountRows(), 1);
    EXPECT_FALSE(rows.BeginNewRow());
    rows.BeginEditRow();
    EXPECT_FALSE(rows.WriteInt("n", 3));
    rows.CloseQuery();
    EXPECT_FALSE(rows.IsQueryOpen());
    EXPECT_EQ(Text("select * from t", "n"), u"1");
}

} // namespace
