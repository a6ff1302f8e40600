#pragma once
// Reads a produced workbook back with an independent reader (xlrd under the
// system Python) and hands the result over as JSON, for the assertions.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>

#include <gtest/gtest.h>

namespace xlsokuyucu {

// Every sheet: name, nrows, ncols; `hucreler` rows of cells as [type, value, format
// string, bold] for the first `enFazlaSatir` rows of each sheet and for the rows
// listed in `ekSatirlar` (their index as a key of "ek").
inline QJsonObject oku(const QString &yol, int enFazlaSatir = 20, const QList<int> &ekSatirlar = {},
                       bool bicimli = true)
{
    static const char *betik = R"PY(
import sys, json, xlrd
yol, n, ek, bicimli = sys.argv[1], int(sys.argv[2]), [int(x) for x in sys.argv[3].split(',') if x], sys.argv[4] == '1'
k = xlrd.open_workbook(yol, formatting_info=bicimli, on_demand=False)
def hucre(s, r, c):
    h = s.cell(r, c)
    bicim, kalin = '', False
    if bicimli:
        xf = k.xf_list[h.xf_index]
        bicim = k.format_map[xf.format_key].format_str
        kalin = k.font_list[xf.font_index].bold == 1
    return [h.ctype, h.value, bicim, kalin]
sayfalar = []
for s in k.sheets():
    satirlar = [[hucre(s, r, c) for c in range(s.ncols)] for r in range(min(n, s.nrows))]
    eks = {str(r): [hucre(s, r, c) for c in range(s.ncols)] for r in ek if r < s.nrows}
    gen = {str(c): i.width for c, i in s.colinfo_map.items()} if bicimli else {}
    sayfalar.append({"ad": s.name, "nrows": s.nrows, "ncols": s.ncols, "hucreler": satirlar, "ek": eks, "genislik": gen})
print(json.dumps({'sayfalar': sayfalar, 'datemode': k.datemode}))
)PY";
    QStringList ek;
    for (int r : ekSatirlar)
        ek << QString::number(r);
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"),
            { QStringLiteral("-c"), QString::fromUtf8(betik), yol, QString::number(enFazlaSatir),
              ek.join(QLatin1Char(',')), bicimli ? QStringLiteral("1") : QStringLiteral("0") });
    if (!p.waitForFinished(120000) || p.exitCode() != 0) {
        ADD_FAILURE() << "xlrd could not read " << yol.toStdString() << ": " << p.readAllStandardError().toStdString();
        return {};
    }
    QJsonParseError e;
    const QJsonDocument doc = QJsonDocument::fromJson(p.readAllStandardOutput(), &e);
    if (e.error != QJsonParseError::NoError)
        ADD_FAILURE() << "xlrd output is no JSON: " << e.errorString().toStdString();
    return doc.object();
}

// xlrd's cell types.
enum { Bos = 0, Metin = 1, Sayi = 2, Tarih = 3, Hata = 5 };

} // namespace xlsokuyucu
