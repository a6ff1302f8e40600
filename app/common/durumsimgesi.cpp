#include "app/common/durumsimgesi.h"

#include <QHash>

// Resources of a static library are linked only when something asks for them
// (outside any namespace, as the resource initialiser has global linkage).
static void kaynaklariYukle()
{
    static const bool yuklendi = [] {
        Q_INIT_RESOURCE(durum);
        return true;
    }();
    (void)yuklendi;
}

QIcon DurumSimgesi(int kod)
{
    if (kod < 0 || kod > 5)
        return {};
    kaynaklariYukle();
    static QHash<int, QIcon> onbellek;
    auto it = onbellek.find(kod);
    if (it == onbellek.end())
        it = onbellek.insert(kod, QIcon(QStringLiteral(":/durum/%1.svg").arg(kod)));
    return *it;
}

QString DurumAnlami(int kod)
{
    switch (kod) {
    case 0:
        return QStringLiteral("Yok");
    case 1:
        return QStringLiteral("Var");
    case 2:
        return QStringLiteral("Telefon Açınız");
    case 3:
        return QStringLiteral("Yolda");
    case 4:
        return QStringLiteral("Özel Sipariş");
    case 5:
        return QStringLiteral("Tedarik Sürecinde");
    default:
        return {};
    }
}

QIcon BayrakSimgesi(bool evet)
{
    kaynaklariYukle();
    static const QIcon var(QStringLiteral(":/durum/evet.svg"));
    static const QIcon yok(QStringLiteral(":/durum/hayir.svg"));
    return evet ? var : yok;
}

QIcon ResimSimgesi()
{
    kaynaklariYukle();
    static const QIcon resim(QStringLiteral(":/durum/resim.svg"));
    return resim;
}
