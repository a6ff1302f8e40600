#include "appserver/sema.h"

#include <SQLiteCpp/Database.h>

namespace appserver {
namespace {

// What the customers still owe, invoice by invoice: the open remainder and its due date.
const char *const acikFaturaSemasi = R"sql(
CREATE TABLE IF NOT EXISTS acik_fatura(sirano INTEGER PRIMARY KEY, carino INTEGER NOT NULL REFERENCES cari(carino),
  belgeno TEXT NOT NULL, tarih INTEGER NOT NULL, vade INTEGER NOT NULL, kalan REAL NOT NULL);
CREATE INDEX IF NOT EXISTS acik_fatura_cari ON acik_fatura(carino, vade);
)sql";

} // namespace

void semaKur(SQLite::Database &db)
{
    db.exec(R"sql(
CREATE TABLE temsilci(no INTEGER PRIMARY KEY, adi TEXT NOT NULL, mail TEXT NOT NULL, telefon TEXT NOT NULL);
CREATE TABLE cari(carino INTEGER PRIMARY KEY, kod TEXT NOT NULL UNIQUE, adi TEXT NOT NULL,
  temsilcino INTEGER NOT NULL REFERENCES temsilci(no), indirimgrubu INTEGER NOT NULL,
  sehir TEXT NOT NULL, telefon TEXT NOT NULL, mail TEXT NOT NULL);
CREATE TABLE kullanici(sirano INTEGER PRIMARY KEY, adi TEXT NOT NULL UNIQUE, sifre TEXT NOT NULL,
  aktif INTEGER NOT NULL, mail TEXT NOT NULL, tip INTEGER NOT NULL CHECK(tip BETWEEN 1 AND 4),
  carino INTEGER REFERENCES cari(carino), temsilcino INTEGER REFERENCES temsilci(no));
CREATE TABLE istasyon(makineid TEXT PRIMARY KEY, kullanici INTEGER NOT NULL REFERENCES kullanici(sirano));
CREATE TABLE resim(no INTEGER PRIMARY KEY, jpeg BLOB NOT NULL);
-- Discounts: every item has a discount class, every customer a discount group;
-- the pair gives the four stacked rates.
CREATE TABLE indirim(grup INTEGER NOT NULL, sinif INTEGER NOT NULL, ind1 REAL NOT NULL, ind2 REAL NOT NULL,
  ind3 REAL NOT NULL, ind4 REAL NOT NULL, PRIMARY KEY(grup, sinif)) WITHOUT ROWID;
CREATE TABLE stok(stokno INTEGER PRIMARY KEY, barkod TEXT NOT NULL, barkodno INTEGER NOT NULL, adi TEXT NOT NULL,
  digeradi TEXT NOT NULL, marka TEXT NOT NULL, model TEXT NOT NULL, finishkod TEXT NOT NULL, oemno TEXT NOT NULL,
  oem1 TEXT NOT NULL, oem2 TEXT NOT NULL, oem3 TEXT NOT NULL, oem4 TEXT NOT NULL, ureticikodu TEXT NOT NULL,
  anagrup TEXT NOT NULL, ozelkod TEXT NOT NULL, dpkod TEXT NOT NULL, pkod TEXT NOT NULL, birim TEXT NOT NULL,
  kdv REAL NOT NULL, listefiyat REAL NOT NULL, kampfiyat REAL NOT NULL, kampanya INTEGER NOT NULL,
  yeni INTEGER NOT NULL, durum INTEGER NOT NULL CHECK(durum BETWEEN 0 AND 5), resimno INTEGER REFERENCES resim(no),
  indsinif INTEGER NOT NULL, kalan REAL NOT NULL, alinansiparis REAL NOT NULL, verilensiparis REAL NOT NULL,
  arama TEXT NOT NULL,
  -- The item's fixed cells of a stock-list row, already in the reply's form:
  -- a search then copies them instead of fetching and escaping 23 columns.
  satir TEXT GENERATED ALWAYS AS (json_array(stokno, barkod, adi, marka, model, finishkod, oemno, oem1, oem2, oem3,
    oem4, ureticikodu, digeradi, dpkod, pkod, birim, anagrup, ozelkod, barkodno, durum, resimno IS NOT NULL, yeni,
    kampanya)) STORED);
-- Substring search over the folded codes, barcode, name and OEM numbers. Without
-- positions (detail=none) the index is half the size and twice as fast to build;
-- a query asks for all its trigrams and then checks the substring itself.
CREATE VIRTUAL TABLE stok_ara USING fts5(arama, content='stok', content_rowid='stokno', tokenize='trigram',
  detail=none, columnsize=0);
CREATE TABLE sepet(sirano INTEGER PRIMARY KEY AUTOINCREMENT, carino INTEGER NOT NULL REFERENCES cari(carino),
  stokno INTEGER NOT NULL REFERENCES stok(stokno), miktar REAL NOT NULL, birimfiyat REAL NOT NULL, kdv REAL NOT NULL,
  ind1 REAL NOT NULL, ind2 REAL NOT NULL, ind3 REAL NOT NULL, ind4 REAL NOT NULL, indirimyazi TEXT NOT NULL,
  tutar REAL NOT NULL, indirimtutar REAL NOT NULL, vergitutari REAL NOT NULL, netbirimfiyat REAL NOT NULL,
  nettutar REAL NOT NULL, tarih INTEGER NOT NULL, saat TEXT NOT NULL,
  verenid INTEGER NOT NULL REFERENCES kullanici(sirano), veren TEXT NOT NULL, sec INTEGER NOT NULL DEFAULT 1,
  aciklama TEXT NOT NULL DEFAULT '');
CREATE INDEX sepet_cari ON sepet(carino, stokno);
CREATE TABLE teslim(id INTEGER PRIMARY KEY, adi TEXT NOT NULL);
CREATE TABLE kargo_turu(id INTEGER PRIMARY KEY, adi TEXT NOT NULL);
CREATE TABLE kargo_firma(sirano INTEGER PRIMARY KEY, tur INTEGER NOT NULL REFERENCES kargo_turu(id),
  adi TEXT NOT NULL, uyari TEXT NOT NULL);
CREATE TABLE siparis(sirano INTEGER PRIMARY KEY AUTOINCREMENT, carino INTEGER NOT NULL REFERENCES cari(carino),
  tarih INTEGER NOT NULL, saat TEXT NOT NULL, teslim INTEGER NOT NULL REFERENCES teslim(id),
  kargo INTEGER NOT NULL REFERENCES kargo_turu(id), kargofirma INTEGER NOT NULL REFERENCES kargo_firma(sirano),
  aciklama TEXT NOT NULL, verenid INTEGER NOT NULL REFERENCES kullanici(sirano), durum INTEGER NOT NULL DEFAULT 1);
CREATE INDEX siparis_cari ON siparis(carino);
-- Lines keep the item's texts as they were when ordered.
CREATE TABLE siparis_satir(sirano INTEGER PRIMARY KEY AUTOINCREMENT,
  siparis INTEGER NOT NULL REFERENCES siparis(sirano), sepetsirano INTEGER NOT NULL,
  stokno INTEGER NOT NULL REFERENCES stok(stokno), barkod TEXT NOT NULL, stokadi TEXT NOT NULL, marka TEXT NOT NULL,
  model TEXT NOT NULL, finishkod TEXT NOT NULL, oemno TEXT NOT NULL, miktar REAL NOT NULL, birimfiyat REAL NOT NULL,
  kdv REAL NOT NULL, ind1 REAL NOT NULL, ind2 REAL NOT NULL, ind3 REAL NOT NULL, ind4 REAL NOT NULL,
  indirimyazi TEXT NOT NULL, tutar REAL NOT NULL, indirimtutar REAL NOT NULL, vergitutari REAL NOT NULL,
  netbirimfiyat REAL NOT NULL, nettutar REAL NOT NULL, tarih INTEGER NOT NULL, saat TEXT NOT NULL,
  verenid INTEGER NOT NULL, veren TEXT NOT NULL);
CREATE INDEX siparis_satir_siparis ON siparis_satir(siparis);
)sql");
    semaTamamla(db);
}

void semaTamamla(SQLite::Database &db)
{
    db.exec(acikFaturaSemasi);
}

void aramaDiziniKur(SQLite::Database &db)
{
    db.exec("INSERT INTO stok_ara(stok_ara, rank) VALUES('automerge', 0)"); // one merge at the end instead
    db.exec("INSERT INTO stok_ara(stok_ara) VALUES('rebuild')");
    db.exec("INSERT INTO stok_ara(stok_ara) VALUES('optimize')");
}

} // namespace appserver
