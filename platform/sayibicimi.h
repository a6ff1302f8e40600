#pragma once
// Number display formats: "#,###,##0.00" and its relatives. A pattern is parsed
// once into a SayiBicimi, which keeps the locale's separators and formats into a
// stack buffer, so a grid or an export can format a whole column cheaply.

#include <QLocale>
#include <QString>
#include <QStringView>

// x rounded to `basamak` decimals, halves away from zero, judged on the exact
// decimal expansion of the stored double (1.005 is stored below 1.005, so it
// gives 1.00). NaN and infinities come back unchanged; a zero result is +0.
double ondalikYuvarla(double x, int basamak);

class SayiBicimi
{
public:
    // Pattern: integer placeholders '#' and '0' with an optional ',' (group by
    // thousands), then optionally '.' and up to 15 decimal '0's. The leftmost
    // '0' of the integer part and every placeholder right of it are required
    // digits. Throws std::invalid_argument for anything else.
    explicit SayiBicimi(QStringView pattern, const QLocale &locale = QLocale());

    static bool gecerliMi(QStringView pattern);

    // NaN and infinities give an empty text; a value that rounds to zero has no sign.
    QString bicimle(double v) const;
    // Writes at most tamponBoyu characters into out, returns how many.
    static constexpr qsizetype tamponBoyu = 1024;
    qsizetype bicimle(double v, char16_t *out) const;

    int ondalik() const { return m_ondalik; }
    int enAzTamsayi() const { return m_enAzTamsayi; }
    bool gruplu() const { return m_gruplu; }

private:
    struct Isaret
    {
        char16_t c[4] = {};
        int n = 0;
    };
    static Isaret isaret(const QString &s);

    int m_ondalik = 0;
    int m_enAzTamsayi = 0;
    bool m_gruplu = false;
    Isaret m_grup, m_ondalikAyirac, m_eksi;
};

// One-off formatting; build a SayiBicimi when formatting many values.
QString sayiBicimle(QStringView pattern, double v, const QLocale &locale = QLocale());
