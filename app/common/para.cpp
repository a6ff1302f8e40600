#include "app/common/para.h"

#include "platform/sayibicimi.h"

#include <QLocale>

#include <optional>

namespace {

// Parsed once per thread; built again when the default locale changes.
const SayiBicimi &bicim(QStringView pattern, std::optional<SayiBicimi> &onbellek, QLocale &yerel)
{
    const QLocale simdiki;
    if (!onbellek || simdiki != yerel) {
        onbellek.emplace(pattern, simdiki);
        yerel = simdiki;
    }
    return *onbellek;
}

} // namespace

double IkiHaneYuvarla(double x)
{
    return ondalikYuvarla(x, 2);
}

QString ParaBicimle(double v)
{
    thread_local std::optional<SayiBicimi> onbellek;
    thread_local QLocale yerel;
    return bicim(ParaBicimi, onbellek, yerel).bicimle(v);
}

QString ParaBicimleIkiBasamak(double v)
{
    thread_local std::optional<SayiBicimi> onbellek;
    thread_local QLocale yerel;
    return bicim(ParaBicimiIkiBasamak, onbellek, yerel).bicimle(v);
}
