// The four forms of a table: quoting, separators, alignment.
#include "calc/text_table.h"

#include <gtest/gtest.h>

namespace tarvik {
namespace {

TEST(TextTable, FormsOfOneTable) {
    const TextTable grid{TextTable::Kind::Grid, "Title", {"df", "a,b", "q\"uote"}, {{"1", "2.5", "x|y"}, {"100", "3", "é"}}};
    struct Case {
        TableForm form;
        const char* text;
        const char* why;
    } cases[] = {
        {TableForm::Csv, "df,\"a,b\",\"q\"\"uote\"\n1,2.5,x|y\n100,3,é\n", "RFC 4180: separators and quotes quoted"},
        {TableForm::Tsv, "df\ta,b\tq\"uote\n1\t2.5\tx|y\n100\t3\té\n", "tabs, nothing quoted"},
        {TableForm::Markdown, "| df | a,b | q\"uote |\n|---:|---:|---:|\n| 1 | 2.5 | x\\|y |\n| 100 | 3 | é |\n",
         "a pipe inside a cell escaped"},
        {TableForm::Text, "Title\n df  a,b  q\"uote\n  1  2.5     x|y\n100    3       é\n",
         "right-aligned; a two-byte letter is one column"},
    };
    for (const auto& c : cases) EXPECT_EQ(RenderTable(grid, c.form), c.text) << c.why;
    const TextTable records{TextTable::Kind::Records, "", {"df", "x"}, {{"1", "2"}, {"3", "4"}}};
    EXPECT_EQ(RenderTable(records, TableForm::Text), "df=1  x=2\ndf=3  x=4\n");
    EXPECT_EQ(RenderTable({TextTable::Kind::Grid, "", {"a"}, {{"x\ty"}}}, TableForm::Tsv), "a\nx y\n");
}

TEST(TextTable, FormNames) {
    for (TableForm f : {TableForm::Text, TableForm::Csv, TableForm::Tsv, TableForm::Markdown}) {
        TableForm back = TableForm::Text;
        ASSERT_TRUE(TableFormOfName(TableFormName(f), back));
        EXPECT_EQ(back, f);
    }
    TableForm unchanged = TableForm::Csv;
    EXPECT_FALSE(TableFormOfName("CSV", unchanged));
    EXPECT_EQ(unchanged, TableForm::Csv);
}

}  // namespace
}  // namespace tarvik
