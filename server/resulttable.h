#pragma once
// The local result table: typed columns stored column by column (no variant per
// cell), ordered rows, a cursor, open/closed and controls-disabled states, and
// local edits. A screen owns one per list; a load replaces its content.

#include "platform/wire/wiretypes.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QVariant>

#include <boost/json/value.hpp>

#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

using wire::ColumnType;

struct ColumnDef
{
    QString name;
    ColumnType type = ColumnType::String;
    int size = 0; // maximum length of a string column
    int precision = 0; // bcd
    int scale = 0; // bcd
    QString displayFormat; // e.g. "#,###,##0.00"; empty: shown as is
};
// Cell storage: currency holds four decimals, bcd `scale` decimals (at most 18),
// both as scaled integers, rounded half away from zero; date holds whole days.

// A load that does not fit the table (a differently named column, a malformed packet).
class TableError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

class ResultTable
{
public:
    ResultTable();
    ~ResultTable();
    ResultTable(ResultTable &&) noexcept;
    ResultTable &operator=(ResultTable &&) noexcept;
    ResultTable(const ResultTable &) = delete;
    ResultTable &operator=(const ResultTable &) = delete;

    // Columns
    int columnCount() const;
    const ColumnDef &column(int c) const;
    int columnIndex(QStringView name) const; // -1 when absent
    void addColumn(ColumnDef def); // only while closed
    void setDisplayFormat(int c, const QString &format);

    // Open / closed. Closing drops the rows, keeps the column definitions.
    bool isOpen() const;
    void open(); // creates the table, empty
    void close();
    // Empties the table: no rows, still open.
    void clearRows();

    // Rows
    int rowCount() const;
    int appendRow(); // a row of nulls; returns its index
    bool isNull(int r, int c) const;
    QVariant value(int r, int c) const; // invalid QVariant for null
    double asDouble(int r, int c) const; // 0 for null or text that is no number
    qint64 asInt(int r, int c) const;
    QString asString(int r, int c) const;
    QStringView stringView(int r, int c) const; // valid until the next change of that column
    QByteArray asBytes(int r, int c) const;
    bool asBool(int r, int c) const;
    // As a view shows it: a number column with a display format through that format.
    QString displayText(int r, int c) const;

    // Typed setters, used by loaders and local edits.
    void setNull(int r, int c);
    void setString(int r, int c, QStringView s);
    void setInt(int r, int c, qint64 v);
    void setDouble(int r, int c, double v);
    void setBool(int r, int c, bool v);
    void setBytes(int r, int c, const QByteArray &b);
    void setValue(int r, int c, const QVariant &v); // converts to the column's type

    // Cursor: -1 before the first row or when empty. Every load puts it on the
    // first row. next() on the last row sets eof and leaves the cursor there, so
    // cursor() is always -1 or a row.
    int cursor() const;
    void setCursor(int r); // -1 or a row, else TableError
    bool first(); // false when empty
    bool next(); // false past the last row (eof)
    bool eof() const; // true when empty or after next() ran past the last row

    // While disabled, bound views neither redraw nor follow the cursor.
    void disableControls();
    void enableControls(); // nests: views follow again at the outermost call
    bool controlsDisabled() const;

    // A table packet replaces everything: columns, rows, cursor at the first row.
    // Listeners and the controls-disabled state stay; the packet is left empty.
    void loadPacket(ResultTable &&packet);
    // Rows keep the existing column definitions by position; a differently named
    // column at a defined position throws TableError before anything changes.
    // Missing definitions are added. Cells are converted to the kept types; a
    // cell that cannot be throws TableError and leaves the table open and empty.
    void loadRows(const ResultTable &rows);

    // Views are told about changes (unless controls are disabled).
    enum class Change { Reset, Cell, Cursor };
    using Listener = std::function<void(Change, int row, int column)>;
    int addListener(Listener l);
    void removeListener(int id);

    // Bytes held by the cell storage, for the memory benchmark.
    size_t storageBytes() const;

    // Error texts are UTF-8 Turkish: QString::fromUtf8(e.what()).
    // A moved-from table may only be assigned to or destroyed; a table that views
    // watch is refilled with loadPacket, which keeps its listeners.

    struct Impl; // server/resulttableimpl.h

private:
    std::unique_ptr<Impl> d;
    friend ResultTable decodeTable(const boost::json::value &v);
    friend boost::json::value encodeTable(const ResultTable &t);
};

// The table form of docs/protocol.md, decoded into a new, open table.
// Throws TableError naming what is malformed.
ResultTable decodeTable(const boost::json::value &v);
// The same form written from a table (fixtures, tests, loopback tools).
boost::json::value encodeTable(const ResultTable &t);
