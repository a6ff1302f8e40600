#pragma once
// The JSON object form of the records: {"type": module.class, "id": n, "fields": {...}}.
// One writer and one reader serve every record through its Q_GADGET properties.

#include <QMetaObject>
#include <QString>
#include <QVariant>

#include <boost/json/object.hpp>
#include <boost/json/value.hpp>

#include <memory>
#include <stdexcept>

namespace kayit {

// A record object that cannot be read; the text names the record and the field.
class KayitHatasi : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// "baglantiu.TSonucBilgisi" for TSonucBilgisi.
QString tipAdi(const QMetaObject &mo);

boost::json::object yaz(const QMetaObject &mo, const void *kayit);
// Fills the default-constructed record from the object; throws KayitHatasi.
void oku(const QMetaObject &mo, void *kayit, const boost::json::value &v);

template<class T>
boost::json::object yaz(const T &kayit)
{
    return yaz(T::staticMetaObject, &kayit);
}

// A null value yields no record.
template<class T>
std::unique_ptr<T> oku(const boost::json::value &v)
{
    if (v.is_null())
        return nullptr;
    auto k = std::make_unique<T>();
    oku(T::staticMetaObject, k.get(), v);
    return k;
}

// Builds a record of whichever known class "type" names; an invalid QVariant for null.
QVariant okuTipten(const boost::json::value &v);

} // namespace kayit
