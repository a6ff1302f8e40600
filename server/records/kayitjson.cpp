#include "server/records/kayitjson.h"

#include "server/records/baglantiu.h"
#include "server/records/mobilstokunit.h"

#include <QMetaProperty>
#include <QSequentialIterable>

#include <boost/json/array.hpp>

#include <cmath>
#include <limits>

namespace json = boost::json;

namespace kayit {
namespace {

QString alanAdi(const QMetaProperty &p)
{
    return QLatin1Char('F') + QLatin1String(p.name());
}

std::string utf8(const QString &s)
{
    const QByteArray b = s.toUtf8();
    return std::string(b.constData(), size_t(b.size()));
}

QString qstr(json::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// Integral doubles are written as integers, so 18 travels as 18, not as 1.8E1.
json::value sayi(double d)
{
    if (std::isfinite(d) && d == std::trunc(d) && std::fabs(d) < 9007199254740992.0)
        return json::value(std::int64_t(d));
    return json::value(d);
}

bool gadgetListesi(QMetaType t, const QMetaObject **eleman)
{
    if (!QMetaType::canView(t, QMetaType::fromType<QSequentialIterable>()))
        return false;
    // The element type is only known through an instance's iterable view.
    QVariant bos(t);
    const QSequentialIterable it = bos.view<QSequentialIterable>();
    const QMetaType et = it.metaContainer().valueMetaType();
    if (!(et.flags() & QMetaType::IsGadget) || !et.metaObject())
        return false;
    *eleman = et.metaObject();
    return true;
}

class Yazici
{
public:
    json::object nesne(const QMetaObject &mo, const void *k)
    {
        json::object o;
        o["type"] = utf8(tipAdi(mo));
        o["id"] = ++m_id;
        json::object alanlar;
        for (int i = mo.propertyOffset(); i < mo.propertyCount(); ++i) {
            const QMetaProperty p = mo.property(i);
            alanlar[utf8(alanAdi(p))] = deger(p, p.readOnGadget(k));
        }
        o["fields"] = std::move(alanlar);
        return o;
    }

private:
    json::value deger(const QMetaProperty &p, const QVariant &v)
    {
        const QMetaType t = p.metaType();
        switch (t.id()) {
        case QMetaType::Int:
            return json::value(std::int64_t(v.toInt()));
        case QMetaType::Double:
            return sayi(v.toDouble());
        case QMetaType::Bool:
            return json::value(v.toBool());
        case QMetaType::QString:
            return json::value(utf8(v.toString()));
        default:
            break;
        }
        const QMetaObject *eleman = nullptr;
        if (gadgetListesi(t, &eleman)) {
            json::array a;
            QVariant liste = v;
            const QSequentialIterable it = liste.view<QSequentialIterable>();
            for (const QVariant &e : it)
                a.push_back(nesne(*eleman, e.constData()));
            return a;
        }
        throw KayitHatasi("Kayıt yazılamadı: " + utf8(alanAdi(p)) + " alanının türü desteklenmiyor");
    }

    int m_id = 0;
};

[[noreturn]] void hata(const QMetaObject &mo, const QString &alan, const char *beklenen)
{
    throw KayitHatasi(utf8(QStringLiteral("%1 kaydının %2 alanı geçersiz: %3 bekleniyordu")
                               .arg(QLatin1String(mo.className()), alan, QLatin1String(beklenen))));
}

QVariant alanOku(const QMetaObject &mo, const QMetaProperty &p, const json::value &v)
{
    const QString ad = alanAdi(p);
    switch (p.metaType().id()) {
    case QMetaType::Int:
        if (v.is_int64() && v.get_int64() >= std::numeric_limits<qint32>::min()
            && v.get_int64() <= std::numeric_limits<qint32>::max())
            return QVariant(int(v.get_int64()));
        if (v.is_uint64() && v.get_uint64() <= std::uint64_t(std::numeric_limits<qint32>::max()))
            return QVariant(int(v.get_uint64()));
        if (v.is_double() && v.get_double() == std::trunc(v.get_double())
            && std::fabs(v.get_double()) <= std::numeric_limits<qint32>::max())
            return QVariant(int(v.get_double()));
        hata(mo, ad, "32 bitlik tamsayı");
    case QMetaType::Double:
        if (v.is_number())
            return QVariant(v.to_number<double>());
        hata(mo, ad, "sayı");
    case QMetaType::Bool:
        if (v.is_bool())
            return QVariant(v.get_bool());
        hata(mo, ad, "true ya da false");
    case QMetaType::QString:
        if (v.is_string())
            return QVariant(qstr(v.get_string()));
        hata(mo, ad, "metin");
    default:
        break;
    }
    const QMetaObject *eleman = nullptr;
    if (!gadgetListesi(p.metaType(), &eleman))
        hata(mo, ad, "desteklenen bir tür");
    if (!v.is_array())
        hata(mo, ad, "kayıt dizisi");
    QVariant liste(p.metaType());
    QSequentialIterable it = liste.view<QSequentialIterable>();
    const QMetaType et = it.metaContainer().valueMetaType();
    for (const json::value &e : v.get_array()) {
        QVariant k(et);
        try {
            oku(*eleman, k.data(), e);
        } catch (const KayitHatasi &ic) {
            throw KayitHatasi(utf8(QStringLiteral("%1 kaydının %2 alanı geçersiz: ").arg(QLatin1String(mo.className()), ad))
                              + ic.what());
        }
        it.addValue(k);
    }
    return liste;
}

const QList<QMetaType> &bilinenler()
{
    static const QList<QMetaType> l{
        QMetaType::fromType<TSonucBilgisi>(),    QMetaType::fromType<TSiparisDipAyrinti>(),
        QMetaType::fromType<TTusSonuclari>(),    QMetaType::fromType<TAcilisEkran>(),
        QMetaType::fromType<TAcilisEkranlariki>(), QMetaType::fromType<TMobilCariBilgisi>(),
        QMetaType::fromType<TMobilStok>(),       QMetaType::fromType<TMobilSepet>(),
    };
    return l;
}

} // namespace

QString tipAdi(const QMetaObject &mo)
{
    const int i = mo.indexOfClassInfo("module");
    const QString modul = i >= 0 ? QString::fromUtf8(mo.classInfo(i).value()) : QString();
    return modul + QLatin1Char('.') + QLatin1String(mo.className());
}

json::object yaz(const QMetaObject &mo, const void *kayit)
{
    return Yazici().nesne(mo, kayit);
}

void oku(const QMetaObject &mo, void *kayit, const json::value &v)
{
    const QString sinif = QLatin1String(mo.className());
    if (!v.is_object())
        throw KayitHatasi(utf8(sinif) + " kaydı okunamadı: JSON nesnesi bekleniyordu");
    const json::object &o = v.get_object();
    const json::value *tip = o.if_contains("type");
    if (!tip || !tip->is_string())
        throw KayitHatasi(utf8(sinif) + " kaydı okunamadı: \"type\" alanı yok");
    if (qstr(tip->get_string()) != tipAdi(mo))
        throw KayitHatasi(utf8(sinif) + " kaydı bekleniyordu, gelen: " + std::string(tip->get_string()));
    const json::value *alanlar = o.if_contains("fields");
    if (!alanlar || !alanlar->is_object())
        throw KayitHatasi(utf8(sinif) + " kaydı okunamadı: \"fields\" alanı yok");
    const json::object &fo = alanlar->get_object();
    for (int i = mo.propertyOffset(); i < mo.propertyCount(); ++i) {
        const QMetaProperty p = mo.property(i);
        const json::value *a = fo.if_contains(utf8(alanAdi(p)));
        if (!a)
            continue; // absent fields keep their defaults
        p.writeOnGadget(kayit, alanOku(mo, p, *a));
    }
}

QVariant okuTipten(const json::value &v)
{
    if (v.is_null())
        return {};
    const json::value *tip = v.is_object() ? v.get_object().if_contains("type") : nullptr;
    if (!tip || !tip->is_string())
        throw KayitHatasi("Kayıt okunamadı: \"type\" alanı yok");
    const QString ad = qstr(tip->get_string());
    for (const QMetaType &t : bilinenler()) {
        if (tipAdi(*t.metaObject()) == ad) {
            QVariant k(t);
            oku(*t.metaObject(), k.data(), v);
            return k;
        }
    }
    throw KayitHatasi("Bilinmeyen kayıt türü: " + utf8(ad));
}

} // namespace kayit
