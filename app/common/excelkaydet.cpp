#include "app/common/excelkaydet.h"

#include "app/common/async.h"
#include "app/common/makine.h"

namespace {

std::function<QString(QWidget *, const QString &)> &kayitYoluSor()
{
    static std::function<QString(QWidget *, const QString &)> sor;
    return sor;
}

} // namespace

QString XlsUzantisi(const QString &dosyaAdi)
{
    if (dosyaAdi.isEmpty() || dosyaAdi.endsWith(QLatin1Char('/')))
        return dosyaAdi;
    const qsizetype adBasi = dosyaAdi.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype nokta = dosyaAdi.lastIndexOf(QLatin1Char('.'));
    const QString govde = nokta > adBasi ? dosyaAdi.left(nokta) : dosyaAdi;
    return govde + QStringLiteral(".xls");
}

QString KayitYoluSorDiyalogla(QWidget *ebeveyn, const QString &filtre, QFileDialog::Options secenekler)
{
    return QFileDialog::getSaveFileName(ebeveyn, QStringLiteral("Excel Kaydet"), BelgelerKlasoru(), filtre, nullptr,
                                        secenekler);
}

void setKayitYoluSor(std::function<QString(QWidget *, const QString &)> sor)
{
    kayitYoluSor() = std::move(sor);
}

void ExcelKaydet(QWidget *ebeveyn, const std::function<void(const QString &)> &yaz)
{
    // "Excel|*.xls*": one filter, every extension that begins with xls.
    const QString filtre = QStringLiteral("Excel (*.xls*)");
    const auto &sor = kayitYoluSor();
    const QString secilen = sor ? sor(ebeveyn, filtre) : KayitYoluSorDiyalogla(ebeveyn, filtre);
    if (secilen.isEmpty())
        return;
    try {
        yaz(XlsUzantisi(secilen));
    } catch (...) {
        GenelHataRaporu(std::current_exception());
    }
}
