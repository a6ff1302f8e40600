#pragma once
// The row checks and the money format pass every screen runs on its tables.

class ResultTable;

// Every column whose type is exactly double shows "#,###,##0.00"; currency,
// bcd, integers, texts and dates keep their formats.
void OndalikBicimle(ResultTable &tablo);

// Open and holding at least one row.
bool DoluMu(const ResultTable &tablo);

// Walks the rows from the first: true at the first row whose "SEC" is 1, with
// the cursor left there; false when none is (the walk ends past the last row),
// when the table is not DoluMu, or when it has no "SEC" column.
bool SecimVarMi(ResultTable &tablo);
