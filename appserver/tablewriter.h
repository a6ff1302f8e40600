#pragma once
// Writes the table form of the protocol straight into a text buffer:
// {"columns":[...],"rows":[[...],...]}. Cells are appended in column order.

#include "platform/wire/wiretypes.h"

#include <string>
#include <string_view>
#include <vector>

struct sqlite3_stmt;

namespace appserver {

struct TableColumn
{
    const char *name;
    wire::ColumnType type;
    int size = 0; // maximum length of a string column
};

class TableWriter
{
public:
    explicit TableWriter(const std::vector<TableColumn> &columns, size_t reserve = 4096);

    void beginRow();
    void endRow();

    void null();
    void integer(long long v);
    void number(double v);
    void text(std::string_view s);
    void boolean(bool b);
    // Column i of the current statement row, written as the next cell's type wants it.
    void fromStatement(sqlite3_stmt *st, int i);
    // Every remaining cell of the row from statement columns first..first+n-1.
    void fromStatement(sqlite3_stmt *st, int first, int n);

    // `cells` cells already written as JSON, comma-separated, without brackets.
    void preformatted(std::string_view json, int cells);

    int rowCount() const { return m_rows; }
    // Closes the table and hands over the text.
    std::string finish();

private:
    void separator();

    const std::vector<TableColumn> &m_columns;
    std::string m_out;
    int m_cell = 0;
    int m_rows = 0;
};

// A table of the given columns filled from every row of the statement.
std::string tableFromStatement(const std::vector<TableColumn> &columns, sqlite3_stmt *st);

} // namespace appserver
