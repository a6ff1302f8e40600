#include "appserver/tablewriter.h"

#include "appserver/jsonout.h"

#include <sqlite3.h>

#include <stdexcept>

namespace appserver {

TableWriter::TableWriter(const std::vector<TableColumn> &columns, size_t reserve)
    : m_columns(columns)
{
    m_out.reserve(reserve);
    m_out.append("{\"columns\":[");
    for (size_t i = 0; i < columns.size(); ++i) {
        if (i)
            m_out.push_back(',');
        m_out.append("{\"name\":");
        jsonout::string(m_out, columns[i].name);
        m_out.append(",\"type\":\"");
        m_out.append(wire::columnTypeName(columns[i].type));
        m_out.push_back('"');
        if (columns[i].size > 0) {
            m_out.append(",\"size\":");
            jsonout::integer(m_out, columns[i].size);
        }
        m_out.push_back('}');
    }
    m_out.append("],\"rows\":[");
}

void TableWriter::beginRow()
{
    if (m_rows)
        m_out.push_back(',');
    m_out.push_back('[');
    m_cell = 0;
}

void TableWriter::endRow()
{
    if (m_cell != int(m_columns.size()))
        throw std::logic_error("table row with the wrong number of cells");
    m_out.push_back(']');
    ++m_rows;
}

void TableWriter::separator()
{
    if (m_cell++)
        m_out.push_back(',');
}

void TableWriter::null()
{
    separator();
    m_out.append("null");
}

void TableWriter::integer(long long v)
{
    separator();
    jsonout::integer(m_out, v);
}

void TableWriter::number(double v)
{
    separator();
    jsonout::number(m_out, v);
}

void TableWriter::text(std::string_view s)
{
    separator();
    jsonout::string(m_out, s);
}

void TableWriter::boolean(bool b)
{
    separator();
    m_out.append(b ? "true" : "false");
}

void TableWriter::fromStatement(sqlite3_stmt *st, int i)
{
    if (sqlite3_column_type(st, i) == SQLITE_NULL) {
        null();
        return;
    }
    using wire::ColumnType;
    switch (m_columns.at(m_cell).type) {
    case ColumnType::String: {
        const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(st, i));
        text(std::string_view(p, size_t(sqlite3_column_bytes(st, i))));
        break;
    }
    case ColumnType::Int32:
    case ColumnType::Int64:
    case ColumnType::Date:
        integer(sqlite3_column_int64(st, i));
        break;
    case ColumnType::Bool:
        boolean(sqlite3_column_int64(st, i) != 0);
        break;
    default:
        number(sqlite3_column_double(st, i));
        break;
    }
}

void TableWriter::fromStatement(sqlite3_stmt *st, int first, int n)
{
    for (int k = 0; k < n; ++k)
        fromStatement(st, first + k);
}

void TableWriter::preformatted(std::string_view json, int cells)
{
    separator();
    m_out.append(json);
    m_cell += cells - 1;
}

std::string TableWriter::finish()
{
    m_out.append("]}");
    return std::move(m_out);
}

std::string tableFromStatement(const std::vector<TableColumn> &columns, sqlite3_stmt *st)
{
    TableWriter w(columns);
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        w.beginRow();
        w.fromStatement(st, 0, int(columns.size()));
        w.endRow();
    }
    if (rc != SQLITE_DONE)
        throw std::runtime_error(sqlite3_errmsg(sqlite3_db_handle(st)));
    return w.finish();
}

} // namespace appserver
