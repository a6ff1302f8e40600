// The local result table: typed storage, the table codec, loads, cursor and views.
#include "server/resulttable.h"

#include <QDate>
#include <QDateTime>

#include <boost/json.hpp>
#include <gtest/gtest.h>

#include <random>

namespace json = boost::json;

namespace {

ResultTable paket(std::string_view metin)
{
    return decodeTable(json::parse(metin));
}

ColumnDef sutun(const char *ad, ColumnType tur, int size = 0)
{
    ColumnDef d;
    d.name = QString::fromUtf8(ad);
    d.type = tur;
    d.size = size;
    return d;
}

struct Kayit
{
    std::vector<std::tuple<ResultTable::Change, int, int>> olaylar;
    void dinle(ResultTable &t)
    {
        t.addListener([this](ResultTable::Change c, int r, int k) { olaylar.emplace_back(c, r, k); });
    }
};

std::string hataMetni(const std::function<void()> &f)
{
    try {
        f();
    } catch (const TableError &e) {
        return e.what();
    }
    return "(no TableError)";
}

const char *const ornek = R"({"columns": [
   {"name": "STOKNO",  "type": "int32"},
   {"name": "ADI",     "type": "string", "size": 60},
   {"name": "FIYAT",   "type": "double"},
   {"name": "TUTAR",   "type": "bcd", "precision": 18, "scale": 4}
 ],
 "rows": [[1, "FREN BALATASI ÖN", 412.5, 1237.5], [2, null, 0.125, 0.00005], [3, "ŞANZIMAN YAĞI 𝄞", null, null]]})";

} // namespace

TEST(ResultTable, DecodesTheProtocolExample)
{
    ResultTable t = paket(ornek);
    ASSERT_TRUE(t.isOpen());
    ASSERT_EQ(t.columnCount(), 4);
    ASSERT_EQ(t.rowCount(), 3);
    EXPECT_EQ(t.column(1).size, 60);
    EXPECT_EQ(t.column(3).type, ColumnType::Bcd);
    EXPECT_EQ(t.column(3).precision, 18);
    EXPECT_EQ(t.column(3).scale, 4);
    EXPECT_EQ(t.cursor(), 0);
    EXPECT_EQ(t.asInt(0, 0), 1);
    EXPECT_EQ(t.stringView(0, 1), u"FREN BALATASI ÖN");
    EXPECT_EQ(t.asString(2, 1), QString::fromUtf8("ŞANZIMAN YAĞI 𝄞"));
    EXPECT_TRUE(t.isNull(1, 1));
    EXPECT_EQ(t.asDouble(0, 2), 412.5);
    EXPECT_EQ(t.asString(0, 3), u"1237.5");
    EXPECT_EQ(t.asString(1, 3), u"0.0001"); // four decimals, half away from zero
    EXPECT_EQ(t.columnIndex(u"fiyat"), 2);
    EXPECT_EQ(t.columnIndex(u"YOK"), -1);
}

TEST(ResultTable, EveryColumnTypeSurvivesEncodeAndDecode)
{
    ResultTable t;
    t.addColumn(sutun("ADI", ColumnType::String, 40));
    t.addColumn(sutun("SEC", ColumnType::Int32));
    t.addColumn(sutun("BUYUK", ColumnType::Int64));
    t.addColumn(sutun("FIYAT", ColumnType::Double));
    t.addColumn(sutun("BAKIYE", ColumnType::Currency));
    ColumnDef bcd = sutun("TUTAR", ColumnType::Bcd);
    bcd.precision = 18;
    bcd.scale = 2;
    t.addColumn(bcd);
    t.addColumn(sutun("TARIH", ColumnType::Date));
    t.addColumn(sutun("SAAT", ColumnType::DateTime));
    t.addColumn(sutun("AKTIF", ColumnType::Bool));
    t.addColumn(sutun("RESIM", ColumnType::Bytes));
    t.open();
    const QDateTime an(QDate(2024, 2, 29), QTime(13, 45, 30));
    const QByteArray bayt("\x00\xff\x10jpeg", 7);
    for (int r = 0; r < 2; ++r)
        t.appendRow();
    t.setString(0, 0, u"Çiğdem Öztürk Ğİ");
    t.setInt(0, 1, 1);
    t.setInt(0, 2, 9007199254740993LL);
    t.setDouble(0, 3, 1234567.891);
    t.setDouble(0, 4, -12.34567);
    t.setValue(0, 5, 256.505);
    t.setValue(0, 6, QDate(2024, 2, 29));
    t.setValue(0, 7, an);
    t.setBool(0, 8, true);
    t.setBytes(0, 9, bayt); // row 1 stays null throughout

    const std::string metin = json::serialize(encodeTable(t));
    ResultTable geri = paket(metin);
    ASSERT_EQ(geri.columnCount(), t.columnCount());
    ASSERT_EQ(geri.rowCount(), 2);
    for (int c = 0; c < t.columnCount(); ++c) {
        EXPECT_EQ(geri.column(c).name, t.column(c).name);
        EXPECT_EQ(geri.column(c).type, t.column(c).type);
        EXPECT_EQ(geri.value(0, c), t.value(0, c)) << c;
        EXPECT_TRUE(geri.isNull(1, c)) << c;
        EXPECT_FALSE(geri.value(1, c).isValid());
    }
    EXPECT_EQ(geri.column(0).size, 40);
    EXPECT_EQ(geri.column(5).scale, 2);
    EXPECT_EQ(geri.asString(0, 0), u"Çiğdem Öztürk Ğİ");
    EXPECT_EQ(geri.asInt(0, 2), 9007199254740993LL);
    EXPECT_EQ(geri.asString(0, 4), u"-12.3457");
    EXPECT_EQ(geri.asString(0, 5), u"256.5"); // 256.505 is stored just below the half
    EXPECT_EQ(geri.value(0, 6).toDate(), QDate(2024, 2, 29));
    EXPECT_EQ(geri.asInt(0, 6), 45351); // days since 1899-12-30
    EXPECT_EQ(geri.value(0, 7).toDateTime(), an);
    EXPECT_TRUE(geri.asBool(0, 8));
    EXPECT_EQ(geri.asBytes(0, 9), bayt);
    // Wire form of the cells: dates as day numbers, bytes in base64.
    const json::value yazilan = json::parse(metin);
    const json::array &satir = yazilan.at("rows").at(0).as_array();
    EXPECT_EQ(satir.at(6), 45351);
    EXPECT_EQ(std::string(satir.at(9).as_string()), bayt.toBase64().toStdString());
}

TEST(ResultTable, TextsLiveInOneArenaAndEditsStayBounded)
{
    ResultTable t;
    t.addColumn(sutun("ADI", ColumnType::String, 60));
    t.addColumn(sutun("NO", ColumnType::Int32));
    t.open();
    for (int r = 0; r < 10000; ++r) {
        t.appendRow();
        t.setString(r, 0, QStringLiteral("PARÇA %1").arg(r));
        t.setInt(r, 1, r);
    }
    // Far below a variant per cell: chars, offset and length, no heap block per text.
    EXPECT_LT(double(t.storageBytes()) / 20000.0, 26.0);

    const size_t once = t.storageBytes();
    const QString uzun(200, u'x');
    for (int i = 0; i < 20000; ++i)
        t.setString(i % 10, 0, i % 2 ? QStringView(uzun) : t.stringView(9999, 0)); // the source may move
    // 20,000 appended edits would need 4 MB without reuse of the space given up.
    EXPECT_LT(t.storageBytes(), 2 * once);
    EXPECT_EQ(t.asString(9, 0), uzun);
    EXPECT_EQ(t.asString(8, 0), u"PARÇA 9999");
    EXPECT_EQ(t.asString(5000, 0), u"PARÇA 5000");
    EXPECT_EQ(t.asInt(5000, 1), 5000);
}

TEST(ResultTable, MalformedPacketsThrowNamingWhatIsWrong)
{
    const std::string iki = R"({"columns":[{"name":"STOKNO","type":"int32"},{"name":"FIYAT","type":"double"}],"rows":)";
    const std::pair<std::string, std::string> durumlar[] = {
        { "[]", "nesne" },
        { R"({"rows":[]})", "\"columns\"" },
        { R"({"columns":[]})", "\"rows\"" },
        { R"({"columns":{},"rows":[]})", "\"columns\"" },
        { R"({"columns":[1],"rows":[]})", "1. sütun" },
        { R"({"columns":[{"type":"int32"}],"rows":[]})", "\"name\"" },
        { R"({"columns":[{"name":"A"}],"rows":[]})", "\"type\"" },
        { R"({"columns":[{"name":"A","type":"float"}],"rows":[]})", "\"float\"" },
        { R"({"columns":[{"name":"A","type":"string","size":-1}],"rows":[]})", "\"size\"" },
        { R"({"columns":[{"name":"A","type":"bcd","scale":19}],"rows":[]})", "ölçek" },
        { R"({"columns":[{"name":"A","type":"int32"},{"name":"a","type":"int32"}],"rows":[]})", "iki kez" },
        { iki + "[[1,2],3]}", "2. satır bir dizi değil" },
        { iki + "[[1,2],[1]]}", "2. satırda 1 hücre" },
        { iki + "[[1,2],[1,2,3]]}", "2. satırda 3 hücre" },
        { iki + R"([[1,2],["1",2]]})", "2. satır, \"STOKNO\"" },
        { iki + "[[3000000000,2]]}", "1. satır, \"STOKNO\"" },
        { iki + "[[1.5,2]]}", "1. satır, \"STOKNO\"" },
        { iki + R"([[1,"2"]]})", "\"FIYAT\" sütunu: sonlu bir sayı bekleniyordu, metin geldi" },
        { iki + "[[1,true]]}", "\"FIYAT\"" },
        { iki + "[[1,[]]]}", "\"FIYAT\"" },
        { R"({"columns":[{"name":"B","type":"bool"}],"rows":[[1]]})", "\"B\" sütunu: true/false" },
        { R"({"columns":[{"name":"S","type":"string"}],"rows":[[5]]})", "\"S\" sütunu: metin" },
        { R"({"columns":[{"name":"R","type":"bytes"}],"rows":[["@@@"]]})", "base64" },
        { R"({"columns":[{"name":"N","type":"int64"}],"rows":[[18446744073709551615]]})", "\"N\"" },
        { R"({"columns":[{"name":"D","type":"date"}],"rows":[[45000.5]]})", "\"D\"" },
        { R"({"columns":[{"name":"P","type":"currency"}],"rows":[[1e300]]})", "\"P\"" },
    };
    for (const auto &[metin, parca] : durumlar) {
        const std::string e = hataMetni([&] { decodeTable(json::parse(metin)); });
        EXPECT_NE(e.find(parca), std::string::npos) << metin << "\n  -> " << e;
    }
}

TEST(ResultTable, LoadRowsKeepsDefinitionsAndAddsMissingOnes)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ResultTable t;
    ColumnDef miktar = sutun("MIKTAR", ColumnType::Double);
    miktar.displayFormat = QStringLiteral("#,###,##0.00");
    t.addColumn(sutun("STOKNO", ColumnType::Int32));
    t.addColumn(miktar);
    t.open();
    Kayit k;
    k.dinle(t);

    t.loadRows(paket(R"({"columns":[{"name":"STOKNO","type":"int32"},{"name":"MIKTAR","type":"int32"},
                         {"name":"ADI","type":"string","size":30}],
                         "rows":[[7,5,"BUJİ"],[8,null,"FİLTRE"],[9,1234,null]]})"));
    ASSERT_EQ(t.columnCount(), 3);
    EXPECT_EQ(t.column(1).type, ColumnType::Double); // the kept definition wins
    EXPECT_EQ(t.column(1).displayFormat, u"#,###,##0.00");
    EXPECT_EQ(t.column(2).name, u"ADI");
    EXPECT_EQ(t.column(2).size, 30);
    ASSERT_EQ(t.rowCount(), 3);
    EXPECT_EQ(t.asInt(2, 0), 9);
    EXPECT_EQ(t.value(0, 1), QVariant(5.0));
    EXPECT_TRUE(t.isNull(1, 1));
    EXPECT_EQ(t.displayText(2, 1), u"1,234.00");
    EXPECT_EQ(t.asString(1, 2), u"FİLTRE");
    EXPECT_EQ(t.cursor(), 0);
    EXPECT_EQ(k.olaylar.size(), 1u);

    // A shorter result leaves the extra definitions empty.
    t.loadRows(paket(R"({"columns":[{"name":"STOKNO","type":"int32"}],"rows":[[1]]})"));
    EXPECT_EQ(t.columnCount(), 3);
    EXPECT_EQ(t.rowCount(), 1);
    EXPECT_TRUE(t.isNull(0, 2));
}

TEST(ResultTable, LoadRowsRejectsADifferentlyNamedColumn)
{
    ResultTable t = paket(R"({"columns":[{"name":"STOKNO","type":"int32"},{"name":"ADI","type":"string"}],
                              "rows":[[1,"A"],[2,"B"]]})");
    const std::string e = hataMetni([&] {
        t.loadRows(paket(R"({"columns":[{"name":"STOKNO","type":"int32"},{"name":"STOKADI","type":"string"}],
                             "rows":[[3,"C"]]})"));
    });
    EXPECT_NE(e.find("2. sütun tabloda \"ADI\", sonuçta \"STOKADI\""), std::string::npos) << e;
    EXPECT_TRUE(t.isOpen()); // nothing changed
    EXPECT_EQ(t.rowCount(), 2);
    EXPECT_EQ(t.asString(1, 1), u"B");

    // A cell that the kept type cannot hold fails the load and leaves the table empty.
    const std::string e2 = hataMetni(
        [&] { t.loadRows(paket(R"({"columns":[{"name":"STOKNO","type":"string"}],"rows":[["12"],["on iki"]]})")); });
    EXPECT_NE(e2.find("\"STOKNO\""), std::string::npos) << e2;
    EXPECT_TRUE(t.isOpen());
    EXPECT_EQ(t.rowCount(), 0);
}

TEST(ResultTable, LoadPacketReplacesEverything)
{
    ResultTable t = paket(ornek);
    t.setDisplayFormat(2, QStringLiteral("#,###,##0.00"));
    t.setCursor(2);
    Kayit k;
    k.dinle(t);
    ResultTable yeni = paket(R"({"columns":[{"name":"SIRANO","type":"int32"},{"name":"SEC","type":"int32"}],
                                 "rows":[[10,0],[11,1]]})");
    t.loadPacket(std::move(yeni));
    ASSERT_EQ(t.columnCount(), 2);
    EXPECT_EQ(t.column(0).name, u"SIRANO");
    EXPECT_EQ(t.columnIndex(u"FIYAT"), -1);
    EXPECT_EQ(t.rowCount(), 2);
    EXPECT_EQ(t.asInt(1, 0), 11);
    EXPECT_EQ(t.cursor(), 0);
    EXPECT_EQ(k.olaylar.size(), 1u);
    EXPECT_EQ(yeni.rowCount(), 0);
    EXPECT_EQ(yeni.columnCount(), 0);
}

TEST(ResultTable, AnEmptyResultKeepsItsColumns)
{
    const char *bos = R"({"columns":[{"name":"SIRANO","type":"int32"},{"name":"ADI","type":"string"}],"rows":[]})";
    ResultTable t = paket(bos);
    EXPECT_TRUE(t.isOpen());
    EXPECT_EQ(t.columnCount(), 2);
    EXPECT_EQ(t.rowCount(), 0);
    EXPECT_FALSE(t.first());
    EXPECT_TRUE(t.eof());
    EXPECT_EQ(t.cursor(), -1);

    ResultTable yerel;
    yerel.loadRows(paket(bos));
    EXPECT_TRUE(yerel.isOpen());
    EXPECT_EQ(yerel.columnCount(), 2);
    EXPECT_EQ(yerel.rowCount(), 0);
}

TEST(ResultTable, OpenCloseAndBadAccessGiveErrorsNotCrashes)
{
    ResultTable t = paket(ornek);
    EXPECT_THROW(t.addColumn(sutun("YENI", ColumnType::Int32)), TableError);
    t.close();
    EXPECT_FALSE(t.isOpen());
    EXPECT_EQ(t.rowCount(), 0);
    EXPECT_EQ(t.columnCount(), 4); // closing keeps the definitions
    EXPECT_THROW(t.appendRow(), TableError);
    EXPECT_THROW(t.addColumn(sutun("adi", ColumnType::String)), TableError);
    t.addColumn(sutun("YENI", ColumnType::Int32));
    t.open();
    EXPECT_EQ(t.appendRow(), 0);
    EXPECT_TRUE(t.isNull(0, 4));
    EXPECT_THROW(t.value(1, 0), TableError);
    EXPECT_THROW(t.setInt(0, 9, 1), TableError);
    EXPECT_THROW(t.setCursor(1), TableError);
    EXPECT_THROW(t.setValue(0, 0, QStringLiteral("yedi")), TableError);
    EXPECT_THROW(t.setValue(0, 0, qint64(1) << 40), TableError);
    EXPECT_THROW(t.setDisplayFormat(2, QStringLiteral("%.2f")), TableError);
    t.setValue(0, 0, QStringLiteral(" 42 "));
    EXPECT_EQ(t.asInt(0, 0), 42);
    t.clearRows();
    EXPECT_TRUE(t.isOpen());
    EXPECT_EQ(t.rowCount(), 0);
}

TEST(ResultTable, CursorAndControlsDisabledWithAListener)
{
    ResultTable t = paket(ornek);
    Kayit k;
    k.dinle(t);
    using C = ResultTable::Change;

    EXPECT_TRUE(t.first());
    EXPECT_TRUE(t.next());
    EXPECT_TRUE(t.next());
    EXPECT_FALSE(t.eof());
    EXPECT_FALSE(t.next()); // past the last row
    EXPECT_TRUE(t.eof());
    EXPECT_EQ(t.cursor(), 2);
    t.setDouble(1, 2, 7.5);
    const decltype(k.olaylar) beklenen
        = { { C::Cursor, 0, -1 }, { C::Cursor, 1, -1 }, { C::Cursor, 2, -1 }, { C::Cell, 1, 2 } };
    EXPECT_EQ(k.olaylar, beklenen);

    k.olaylar.clear();
    t.disableControls();
    t.disableControls();
    EXPECT_TRUE(t.controlsDisabled());
    t.first();
    t.setValue(0, 0, 99);
    t.loadPacket(paket(ornek));
    t.enableControls();
    EXPECT_TRUE(k.olaylar.empty());
    t.enableControls(); // the outermost call redraws once
    EXPECT_FALSE(t.controlsDisabled());
    ASSERT_EQ(k.olaylar.size(), 1u);
    EXPECT_EQ(std::get<0>(k.olaylar[0]), C::Reset);
    t.enableControls(); // unbalanced: ignored
    EXPECT_EQ(k.olaylar.size(), 1u);
}

// Damaged packets either decode or throw TableError; nothing else escapes.
TEST(ResultTable, RandomlyDamagedPacketsNeverEscapeAsOtherErrors)
{
    const std::string asil = R"({"columns":[{"name":"A","type":"int32"},{"name":"B","type":"string","size":5},
        {"name":"C","type":"bcd","precision":18,"scale":2},{"name":"D","type":"bytes"},{"name":"E","type":"bool"},
        {"name":"F","type":"datetime"}],"rows":[[1,"ÇĞ",2.5,"AAE=",true,45000.25],[null,"x",null,null,false,1]]})";
    const char degisik[] = "0123456789-.,:[]{}\"aeAE=\\ \x80\xc3\xff";
    std::mt19937 g(11);
    int cozulen = 0, reddedilen = 0;
    for (int i = 0; i < 5000; ++i) {
        std::string m = asil;
        for (int k = 0; k < 1 + int(g() % 3); ++k)
            m[g() % m.size()] = degisik[g() % (sizeof degisik - 1)];
        boost::system::error_code ec;
        const json::value v = json::parse(m, ec);
        if (ec)
            continue;
        try {
            ResultTable t = decodeTable(v);
            for (int r = 0; r < t.rowCount(); ++r)
                for (int c = 0; c < t.columnCount(); ++c)
                    (void)t.displayText(r, c);
            (void)json::serialize(encodeTable(t));
            ++cozulen;
        } catch (const TableError &) {
            ++reddedilen;
        }
    }
    EXPECT_GT(cozulen, 0);
    EXPECT_GT(reddedilen, 0);
}
