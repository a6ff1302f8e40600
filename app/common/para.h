#pragma once
// Money: two-decimal rounding and the display formats of amounts.

#include <QString>
#include <QStringView>

// The amount formats: grouped with two decimals; the same with at least two
// integer digits (grand totals: 5 shows as 05.00); and the form the rounding
// is defined by (no required integer digit: 0.5 shows as .50).
inline constexpr QStringView ParaBicimi = u"#,###,##0.00";
inline constexpr QStringView ParaBicimiIkiBasamak = u"#,###,##00.00";
inline constexpr QStringView YuvarlamaBicimi = u"#,###,##.00";

// x rounded to two decimals, halves away from zero, on the exact decimal value
// of the stored double: the same number as formatting with YuvarlamaBicimi and
// reading it back. IkiHaneYuvarla(1.005) is 1.00, IkiHaneYuvarla(0.125) is 0.13.
double IkiHaneYuvarla(double x);

// With the separators of the default locale; NaN and infinities give "".
QString ParaBicimle(double v);
QString ParaBicimleIkiBasamak(double v);
