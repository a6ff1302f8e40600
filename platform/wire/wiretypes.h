#pragma once
// Column types of the table form of docs/protocol.md, shared by the client's
// decoder and the reference server's encoder.

#include <optional>
#include <string_view>

namespace wire {

enum class ColumnType {
    String,   // "string", with a maximum length
    Int32,    // "int32"
    Int64,    // "int64"
    Double,   // "double": plain floating point, the money format applies
    Currency, // "currency": money with four decimals
    Bcd,      // "bcd": fixed decimal with precision and scale
    Date,     // "date": whole days since 1899-12-30
    DateTime, // "datetime": days since 1899-12-30, time as fraction
    Bool,     // "bool"
    Bytes,    // "bytes": base64 on the wire
};

constexpr std::string_view columnTypeName(ColumnType t)
{
    switch (t) {
    case ColumnType::String: return "string";
    case ColumnType::Int32: return "int32";
    case ColumnType::Int64: return "int64";
    case ColumnType::Double: return "double";
    case ColumnType::Currency: return "currency";
    case ColumnType::Bcd: return "bcd";
    case ColumnType::Date: return "date";
    case ColumnType::DateTime: return "datetime";
    case ColumnType::Bool: return "bool";
    case ColumnType::Bytes: return "bytes";
    }
    return "";
}

constexpr std::optional<ColumnType> columnTypeFromName(std::string_view n)
{
    for (ColumnType t : {ColumnType::String, ColumnType::Int32, ColumnType::Int64, ColumnType::Double,
                         ColumnType::Currency, ColumnType::Bcd, ColumnType::Date, ColumnType::DateTime,
                         ColumnType::Bool, ColumnType::Bytes})
        if (columnTypeName(t) == n)
            return t;
    return std::nullopt;
}

// The protocol version the handshake proves; see docs/protocol.md.
inline constexpr int protocolVersion = 1;
inline constexpr std::string_view serverClassName = "TServerMethods1";

} // namespace wire
