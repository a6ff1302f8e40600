#pragma once
// A legacy binary spreadsheet writer: BIFF8 records in a compound file, the
// format every spreadsheet program opens under an ".xls" name. Only what an
// export needs: sheets of typed cells, a bold caption row, number and date
// formats, Unicode text. Rows past the format's limit continue on new sheets.

#include <QString>
#include <QStringList>

#include <memory>
#include <stdexcept>
#include <vector>

// The file cannot be written (locked, no access, disk full). Text in Turkish, UTF-8.
class XlsHatasi : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

class XlsKitap
{
public:
    // A cell format: the number format code as the spreadsheet knows it
    // ("#,###,##0.00", "dd.mm.yyyy", "General"); bold for captions.
    struct Bicim
    {
        QString kod = QStringLiteral("General");
        bool kalin = false;
    };

    // Rows per sheet, the caption row included; the format allows 65,536.
    static constexpr int enFazlaSatir = 65536;
    static constexpr int enFazlaSutun = 256;

    XlsKitap();
    ~XlsKitap();
    XlsKitap(const XlsKitap &) = delete;
    XlsKitap &operator=(const XlsKitap &) = delete;

    // Returns the format's index for the cell setters; equal formats share one.
    int bicimEkle(const Bicim &b);

    // Starts the workbook's columns: their captions (written bold as the first
    // row of every sheet) and widths in characters (0: a default width). More
    // than enFazlaSutun columns throws std::invalid_argument.
    void setSutunlar(const QStringList &basliklar, const std::vector<int> &genislikler = {});

    // Appends a data row and returns nothing; cells are set on the last row.
    // When a sheet is full (enFazlaSatir rows with the caption row) the row opens
    // a new sheet named "<ad> (2)", "<ad> (3)", … that repeats the captions.
    void satirEkle();
    void sayi(int sutun, double deger, int bicim = -1); // -1: General
    void tarih(int sutun, double gunSayisi, int bicim = -1); // days since 1899-12-30; -1: "dd.mm.yyyy"
    void metin(int sutun, const QString &deger, int bicim = -1);
    // Cells left unset stay empty.

    // The first sheet's name (others derive from it); default "Sayfa1".
    void setSayfaAdi(const QString &ad);

    int satirSayisi() const; // data rows written so far, over all sheets
    int sayfaSayisi() const;

    // Writes the whole workbook. The file is written beside the target under a
    // temporary name and renamed over it only when complete, so a failure never
    // leaves a half file nor touches an existing one. Throws XlsHatasi.
    void kaydet(const QString &yol) const;
    // The same bytes, for tests.
    QByteArray bayt() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
