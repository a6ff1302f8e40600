// The grid's model over the row mapping, its cell painter, header and footer.
#include "platform/grid/izgaraimpl.h"

#include "server/resulttable.h"

#include <QApplication>
#include <QFrame>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QFontInfo>
#include <QSet>
#include <QStyleOptionHeader>
#include <QTextLayout>
#include <QVBoxLayout>

#include <array>

// ---- Text order ----

namespace {

// Weights: ASCII by code with lower-case letters folded onto upper case, each
// letter's weight doubled so its Turkish variant fits right after it; every
// other character after all of them, by code.
std::array<quint16, 0x180> agirlikTablosu()
{
    std::array<quint16, 0x180> t {};
    for (int c = 0; c < 0x180; ++c)
        t[size_t(c)] = quint16(c < 0x80 ? c * 2 : 0x200 + c);
    for (int c = 'a'; c <= 'z'; ++c)
        t[size_t(c)] = quint16((c - 'a' + 'A') * 2);
    const struct
    {
        char16_t buyuk, kucuk;
        char taban;
    } turkce[] = { { u'Ç', u'ç', 'C' }, { u'Ğ', u'ğ', 'G' }, { u'Ö', u'ö', 'O' },
                   { u'Ş', u'ş', 'S' }, { u'Ü', u'ü', 'U' }, { u'İ', u'i', 'I' } };
    for (const auto &h : turkce) {
        t[h.buyuk] = quint16(h.taban * 2 + 1);
        if (h.kucuk != u'i') // ASCII "i" stays with "I": data typed without Turkish letters sorts as typed
            t[h.kucuk] = quint16(h.taban * 2 + 1);
    }
    t[u'ı'] = quint16('I' * 2);
    return t;
}

const std::array<quint16, 0x180> kAgirlik = agirlikTablosu();

inline quint32 agirlik(char16_t c)
{
    return c < 0x180 ? kAgirlik[c] : 0x10000u + c;
}

} // namespace

int turkceKarsilastir(QStringView a, QStringView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    const char16_t *pa = a.utf16(), *pb = b.utf16();
    for (qsizetype i = 0; i < n; ++i) {
        if (pa[i] == pb[i])
            continue;
        const quint32 wa = agirlik(pa[i]), wb = agirlik(pb[i]);
        if (wa != wb)
            return wa < wb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// ---- Model ----

int IzgaraModeli::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : d.modelSatirSayisi();
}

int IzgaraModeli::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(d.sutunlar.size());
}

QVariant IzgaraModeli::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !d.okunur() || index.row() >= d.modelSatirSayisi()
        || index.column() >= int(d.sutunlar.size()))
        return {};
    const int c = index.column();
    const Izgara::Impl::Girdi g = d.girdi(index.row());
    if (g.tur == Izgara::Impl::Tur::GrupBasligi)
        return role == Qt::DisplayRole ? QVariant(d.q->grupBasligi(g.deger)) : QVariant();
    if (g.tur == Izgara::Impl::Tur::GrupAltBilgisi)
        return role == Qt::DisplayRole ? QVariant(d.gruplar[size_t(g.deger)].ozetler[size_t(c)]) : QVariant();
    const int r = d.satirlar[size_t(g.deger)];
    const IzgaraSutunu &s = d.sutunlar[size_t(c)];
    const int tc = d.tabloSutunu[size_t(c)];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        if (s.sunum == Sunum::TikKutusu || s.sunum == Sunum::Resim)
            return {};
        return d.hucreMetni(r, c);
    case Qt::CheckStateRole:
        if (s.sunum != Sunum::TikKutusu || tc < 0 || tc >= d.tablo->columnCount() || r >= d.tablo->rowCount())
            return {};
        return d.tablo->asInt(r, tc) == 1 ? Qt::Checked : Qt::Unchecked;
    case Qt::TextAlignmentRole:
        return int(d.hiza(c));
    default:
        return {};
    }
}

QVariant IzgaraModeli::headerData(int section, Qt::Orientation o, int role) const
{
    if (o != Qt::Horizontal || section < 0 || section >= int(d.sutunlar.size()))
        return {};
    if (role == Qt::DisplayRole)
        return d.sutunlar[size_t(section)].baslik;
    if (role == Qt::ToolTipRole)
        return d.baslikMetni(section);
    return {};
}

Qt::ItemFlags IzgaraModeli::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

// ---- Cells ----

namespace {

// Word-wrapped text that may not fit the row: the lines that fit, the last of
// them cut with an ellipsis, so no text runs over the row's edges.
void sarmaliCiz(QPainter *p, const QRect &alan, Qt::Alignment h, const QString &metin, const QFontMetrics &fm)
{
    const QRect gerekli = fm.boundingRect(alan, int(h | Qt::TextWordWrap), metin);
    const int sigan = std::max(1, alan.height() / std::max(1, fm.lineSpacing()));
    if (gerekli.height() <= alan.height() || alan.width() <= 0) {
        p->drawText(alan, int(h | Qt::TextWordWrap), metin);
        return;
    }
    QTextLayout dizgi(metin, p->font());
    QTextOption secenek;
    secenek.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    dizgi.setTextOption(secenek);
    QStringList satirlar;
    dizgi.beginLayout();
    for (QTextLine satir = dizgi.createLine(); satir.isValid(); satir = dizgi.createLine()) {
        satir.setLineWidth(alan.width());
        if (satirlar.size() == sigan - 1) {
            satirlar << fm.elidedText(metin.mid(satir.textStart()).simplified(), Qt::ElideRight, alan.width());
            break;
        }
        satirlar << metin.mid(satir.textStart(), satir.textLength()).trimmed();
    }
    dizgi.endLayout();
    p->drawText(alan, int((h & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter), satirlar.join(QLatin1Char('\n')));
}

QString cokSatirli(QString s)
{
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    while (s.endsWith(QLatin1Char('\n')))
        s.chop(1);
    return s;
}

const QPixmap *resim(const Izgara::Impl &d, int r, int tc)
{
    const qint64 anahtar = (qint64(r) << 16) | qint64(tc & 0xffff);
    if (QPixmap *p = d.resimler.object(anahtar))
        return p;
    auto *p = new QPixmap;
    const QByteArray bayt = d.tablo->asBytes(r, tc);
    if (!bayt.isEmpty())
        p->loadFromData(bayt);
    d.resimler.insert(anahtar, p);
    return d.resimler.object(anahtar);
}

} // namespace

void IzgaraCizici::paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (!index.isValid() || index.row() >= d.modelSatirSayisi() || index.column() >= int(d.sutunlar.size()))
        return;
    const Izgara::Impl::Girdi g = d.girdi(index.row());
    const bool secili = option.state & QStyle::State_Selected;
    QColor zemin = g.tur == Izgara::Impl::Tur::Veri
        ? (secili ? d.renkler.secili : (g.deger % 2 == 0 ? d.renkler.cift : d.renkler.tek))
        : QColor(226, 234, 238);
    p->save();
    p->fillRect(option.rect, zemin);
    p->setPen(option.palette.color(QPalette::Text));
    const int c = index.column();
    const IzgaraSutunu &s = d.sutunlar[size_t(c)];
    const QRect alan = option.rect.adjusted(s.icBosluk, 0, -s.icBosluk, 0);
    const Qt::Alignment h = d.hiza(c);
    if (!d.okunur()) {
        p->restore();
        return;
    }
    if (g.tur == Izgara::Impl::Tur::GrupAltBilgisi) {
        QFont f = option.font;
        f.setBold(true);
        p->setFont(f);
        p->drawText(alan, int(h | Qt::TextSingleLine), d.gruplar[size_t(g.deger)].ozetler[size_t(c)]);
        p->restore();
        return;
    }
    const int r = d.satirlar[size_t(g.deger)];
    const int tc = d.tabloSutunu[size_t(c)];
    const bool hucreVar = r < d.tablo->rowCount() && tc >= 0 && tc < d.tablo->columnCount();
    if (r >= d.tablo->rowCount() || (!hucreVar && s.sunum != Sunum::Hesaplanan)) {
        p->restore();
        return;
    }
    p->setFont(option.font);
    switch (s.sunum) {
    case Sunum::Metin:
    case Sunum::OrtaliMetin: {
        const QString metin = d.hucreMetni(r, c);
        const ColumnType tur = d.tablo->column(tc).type;
        const bool sayi = tur != ColumnType::String && tur != ColumnType::Bytes && tur != ColumnType::Bool;
        if (sayi && option.fontMetrics.horizontalAdvance(metin) > alan.width()) {
            // An amount loses no digit to an ellipsis: it gets a smaller letter first.
            QFont f = option.font;
            for (int boy = QFontInfo(f).pixelSize(); boy > 9; --boy) {
                f.setPixelSize(boy - 1);
                if (QFontMetrics(f).horizontalAdvance(metin) < alan.width()) // strict: elidedText rounds up
                    break;
            }
            p->setFont(f);
            p->drawText(alan, int(h | Qt::TextSingleLine),
                        QFontMetrics(f).elidedText(metin, Qt::ElideRight, alan.width()));
            break;
        }
        const QString m = option.fontMetrics.elidedText(metin, Qt::ElideRight, alan.width());
        p->drawText(alan, int(h | Qt::TextSingleLine), m);
        break;
    }
    case Sunum::SarmaliMetin:
        sarmaliCiz(p, alan, h, d.hucreMetni(r, c), option.fontMetrics);
        break;
    case Sunum::Hesaplanan: {
        // Never cut: a line wider than the cell gets a smaller letter instead.
        const QString metin = cokSatirli(d.hucreMetni(r, c));
        QFont f = option.font;
        for (int boy = QFontInfo(f).pixelSize(); boy > 8; --boy) {
            if (QFontMetrics(f).boundingRect(alan, int(h), metin).width() <= alan.width())
                break;
            f.setPixelSize(boy - 1);
        }
        p->setFont(f);
        p->drawText(alan, int(h), metin);
        break;
    }
    case Sunum::Simge: {
        if (!s.simge)
            break;
        const QIcon simge = s.simge(d.tablo->value(r, tc));
        if (simge.isNull())
            break;
        const int boy = std::max(0, std::min({ option.rect.height() - 4, option.rect.width() - 4, 24 }));
        QRect kutu(0, 0, boy, boy);
        kutu.moveCenter(option.rect.center());
        simge.paint(p, kutu, Qt::AlignCenter);
        break;
    }
    case Sunum::TikKutusu: {
        const QWidget *w = option.widget;
        QStyle *st = w ? w->style() : QApplication::style();
        QStyleOptionButton kutu;
        kutu.state = QStyle::State_Enabled | (d.tablo->asInt(r, tc) == 1 ? QStyle::State_On : QStyle::State_Off);
        const int en = st->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w);
        const int boy = st->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, w);
        kutu.rect = QRect(0, 0, en, boy);
        kutu.rect.moveCenter(option.rect.center());
        st->drawPrimitive(QStyle::PE_IndicatorCheckBox, &kutu, p, w);
        break;
    }
    case Sunum::Resim: {
        const QPixmap *pm = resim(d, r, tc);
        if (!pm || pm->isNull())
            break;
        QSize boy = pm->size();
        if (boy.width() > option.rect.width() || boy.height() > option.rect.height())
            boy = boy.scaled(option.rect.size(), Qt::KeepAspectRatio);
        QRect hedef(QPoint(), boy);
        hedef.moveCenter(option.rect.center());
        p->setRenderHint(QPainter::SmoothPixmapTransform);
        p->drawPixmap(hedef, *pm);
        break;
    }
    }
    p->restore();
}

QSize IzgaraCizici::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const int yukseklik = d.satirYuksekligi;
    if (!index.isValid() || !d.okunur() || index.row() >= d.modelSatirSayisi()
        || index.column() >= int(d.sutunlar.size()))
        return { 0, yukseklik };
    const int c = index.column();
    const IzgaraSutunu &s = d.sutunlar[size_t(c)];
    const Izgara::Impl::Girdi g = d.girdi(index.row());
    const int bosluk = 2 * s.icBosluk;
    if (g.tur == Izgara::Impl::Tur::GrupBasligi)
        return { 0, yukseklik };
    if (g.tur == Izgara::Impl::Tur::GrupAltBilgisi) {
        QFont f = option.font;
        f.setBold(true);
        return { QFontMetrics(f).horizontalAdvance(d.gruplar[size_t(g.deger)].ozetler[size_t(c)]) + bosluk, yukseklik };
    }
    const int r = d.satirlar[size_t(g.deger)];
    switch (s.sunum) {
    case Sunum::Simge:
        return { 28, yukseklik };
    case Sunum::TikKutusu:
        return { 24, yukseklik };
    case Sunum::Resim: {
        const int tc = d.tabloSutunu[size_t(c)];
        if (tc < 0 || tc >= d.tablo->columnCount() || r >= d.tablo->rowCount())
            return { 0, yukseklik };
        const QPixmap *pm = resim(d, r, tc);
        return { pm ? pm->width() : 0, yukseklik };
    }
    case Sunum::Hesaplanan: {
        int en = 0;
        const QStringList satirlar = cokSatirli(d.hucreMetni(r, c)).split(QLatin1Char('\n'));
        for (const QString &m : satirlar)
            en = std::max(en, option.fontMetrics.horizontalAdvance(m));
        return { en + bosluk, yukseklik };
    }
    default:
        return { option.fontMetrics.horizontalAdvance(d.hucreMetni(r, c)) + bosluk, yukseklik };
    }
}

void IzgaraGorunumu::drawRow(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (d.grupSutunu >= 0 && index.row() < d.modelSatirSayisi()
        && d.girdi(index.row()).tur == Izgara::Impl::Tur::GrupBasligi) {
        const int g = d.girdi(index.row()).deger;
        const QRect satir(0, option.rect.y(), viewport()->width(), option.rect.height());
        p->save();
        p->fillRect(satir, QColor(208, 222, 228));
        QFont f = option.font;
        f.setBold(true);
        p->setFont(f);
        p->setPen(option.palette.color(QPalette::Text));
        const QString isaret = d.gruplar[size_t(g)].acik ? QStringLiteral("▾  ") : QStringLiteral("▸  ");
        p->drawText(satir.adjusted(6, 0, -6, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                    isaret + d.q->grupBasligi(g));
        p->restore();
        return;
    }
    QTreeView::drawRow(p, option, index);
}

// ---- Header ----

QRect IzgaraBaslik::dugmeAlani(int sutun) const
{
    if (!d.filtreDugmeleri || sutun < 0 || isSectionHidden(sutun) || sectionSize(sutun) < 24)
        return {};
    return QRect(sectionViewportPosition(sutun) + sectionSize(sutun) - 16, 0, 14, height());
}

void IzgaraBaslik::paintEvent(QPaintEvent *e)
{
    QHeaderView::paintEvent(e);
    if (!d.filtreDugmeleri)
        return;
    // Drawn over the finished sections: the style's section painting keeps no marks of ours.
    QPainter p(viewport());
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int c = 0; c < count(); ++c) {
        const QRect alan = dugmeAlani(c);
        const bool etkin = size_t(c) < d.filtreler.size() && !d.filtreler[size_t(c)].empty();
        // Only where the mouse is or a filter holds: narrow captions keep their room.
        if (alan.isEmpty() || (!etkin && c != m_uzerinde))
            continue;
        const QRect kutu(alan.x(), alan.center().y() - 7, 14, 14);
        if (etkin) {
            p.setBrush(QColor(255, 214, 0));
            p.drawRoundedRect(kutu, 3, 3);
        }
        const QPointF m = QRectF(kutu).center();
        const QPointF uc[] = { { m.x() - 4, m.y() - 2 }, { m.x() + 4, m.y() - 2 }, { m.x(), m.y() + 3 } };
        p.setBrush(etkin ? QColor(Qt::black) : d.renkler.baslikYazi);
        p.drawPolygon(uc, 3);
    }
}

void IzgaraBaslik::paintSection(QPainter *p, const QRect &rect, int sutun) const
{
    if (!rect.isValid())
        return;
    // The style paints the section without its text; the caption wraps onto a
    // second line (the headers are tall enough) before it is cut.
    QStyleOptionHeader secenek;
    initStyleOption(&secenek);
    secenek.rect = rect;
    secenek.section = sutun;
    secenek.text.clear();
    secenek.sortIndicator = QStyleOptionHeader::None;
    style()->drawControl(QStyle::CE_HeaderSection, &secenek, p, this);
    const QString metin = model() ? model()->headerData(sutun, orientation(), Qt::DisplayRole).toString() : QString();
    const bool sirali = isSortIndicatorShown() && sortIndicatorSection() == sutun;
    QRect alan = rect.adjusted(3, 1, sirali ? -11 : -3, -1);
    p->save();
    QFont f = font();
    f.setBold(d.renkler.baslikKalin);
    // A word wider than a narrow column gets a smaller letter before it is cut.
    const QStringList sozcukler = metin.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int boy = QFontInfo(f).pixelSize(); boy > 9; --boy) {
        const QFontMetrics fm(f);
        bool sigar = true;
        for (const QString &s : sozcukler)
            sigar = sigar && fm.horizontalAdvance(s) <= alan.width();
        if (sigar)
            break;
        f.setPixelSize(boy - 1);
    }
    p->setFont(f);
    p->setPen(d.renkler.baslikYazi);
    const QFontMetrics fm(f);
    bool sigar = true;
    for (const QString &s : sozcukler)
        sigar = sigar && fm.horizontalAdvance(s) <= alan.width();
    if (sigar)
        sarmaliCiz(p, alan, Qt::AlignCenter, metin, fm);
    else // no word is broken apart: the caption is cut at its end
        p->drawText(alan, int(Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine),
                    fm.elidedText(metin, Qt::ElideRight, alan.width()));
    if (sirali) {
        p->setRenderHint(QPainter::Antialiasing);
        p->setPen(Qt::NoPen);
        p->setBrush(d.renkler.baslikYazi);
        const QPointF m(rect.right() - 7, rect.center().y());
        const bool artan = sortIndicatorOrder() == Qt::AscendingOrder;
        const QPointF uc[] = { { m.x() - 3.5, m.y() + (artan ? 2 : -2) },
                               { m.x() + 3.5, m.y() + (artan ? 2 : -2) },
                               { m.x(), m.y() + (artan ? -3 : 3) } };
        p->drawPolygon(uc, 3);
    }
    p->restore();
}

void IzgaraBaslik::mouseMoveEvent(QMouseEvent *e)
{
    const int s = logicalIndexAt(e->position().toPoint());
    if (s != m_uzerinde) {
        m_uzerinde = s;
        viewport()->update();
    }
    QHeaderView::mouseMoveEvent(e);
}

void IzgaraBaslik::leaveEvent(QEvent *e)
{
    m_uzerinde = -1;
    viewport()->update();
    QHeaderView::leaveEvent(e);
}

void IzgaraBaslik::mousePressEvent(QMouseEvent *e)
{
    m_dugmeBasildi = false;
    if (d.filtreDugmeleri && e->button() == Qt::LeftButton) {
        const QPoint nokta = e->position().toPoint();
        const int s = logicalIndexAt(nokta);
        if (s >= 0 && dugmeAlani(s).contains(nokta)) {
            m_dugmeBasildi = true; // opens the value list, neither sorts nor resizes
            d.filtreListesiAc(s);
            return;
        }
    }
    QHeaderView::mousePressEvent(e);
}

void IzgaraBaslik::mouseReleaseEvent(QMouseEvent *e)
{
    if (m_dugmeBasildi) {
        m_dugmeBasildi = false;
        return;
    }
    QHeaderView::mouseReleaseEvent(e);
}

// ---- Footer ----

IzgaraAltBilgi::IzgaraAltBilgi(Izgara::Impl &d, QWidget *parent)
    : QWidget(parent)
    , d(d)
{
    setFixedHeight(fontMetrics().height() + 10);
}

QSize IzgaraAltBilgi::sizeHint() const
{
    return { 100, fontMetrics().height() + 10 };
}

void IzgaraAltBilgi::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(232, 236, 238));
    p.setPen(QColor(180, 190, 195));
    p.drawLine(0, 0, width(), 0);
    const QRect vp = d.gorunum->viewport()->geometry();
    p.setClipRect(QRect(vp.x(), 0, vp.width(), height()));
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    p.setPen(palette().color(QPalette::WindowText));
    const int adet = std::min(int(d.sutunlar.size()), int(d.ozetler.size()));
    for (int c = 0; c < adet; ++c) {
        if (d.baslik->isSectionHidden(c) || d.ozetler[size_t(c)].isEmpty())
            continue;
        const int pad = d.sutunlar[size_t(c)].icBosluk;
        QRect r(vp.x() + d.baslik->sectionViewportPosition(c) + pad, 0, d.baslik->sectionSize(c) - 2 * pad,
                height());
        Qt::Alignment h = d.hiza(c);
        const QString &metin = d.ozetler[size_t(c)];
        // A summary wider than its narrow column runs on over the columns to its
        // right that have none, as far as the next visual one with a summary.
        if (p.fontMetrics().horizontalAdvance(metin) > r.width()) {
            int sag = r.right();
            for (int v = d.baslik->visualIndex(c) + 1; v < d.baslik->count(); ++v) {
                const int s = d.baslik->logicalIndex(v);
                if (d.baslik->isSectionHidden(s))
                    continue;
                if (s < adet && !d.ozetler[size_t(s)].isEmpty())
                    break;
                sag = vp.x() + d.baslik->sectionViewportPosition(s) + d.baslik->sectionSize(s) - pad;
            }
            r.setRight(sag);
            h = Qt::AlignLeft | Qt::AlignVCenter;
        }
        p.drawText(r, int(h | Qt::TextSingleLine), metin);
    }
}

// ---- The value list of a header filter ----

void Izgara::Impl::filtreListesiAc(int sutun)
{
    // The values the other filters leave, so the list offers only what can match.
    const std::vector<int> kayit = satirlar;
    auto kendi = std::move(filtreler[size_t(sutun)]);
    filtreler[size_t(sutun)].clear();
    std::vector<int> adaylar;
    if (okunur()) {
        filtreUygula();
        adaylar.swap(satirlar);
    }
    filtreler[size_t(sutun)] = std::move(kendi);
    satirlar = kayit;

    QSet<QString> kume;
    for (int r : adaylar)
        kume.insert(hucreMetni(r, sutun));
    std::vector<QString> degerler(kume.begin(), kume.end());
    std::sort(degerler.begin(), degerler.end(),
              [](const QString &a, const QString &b) { return turkceKarsilastir(a, b) < 0; });

    auto *kutu = new QFrame(q, Qt::Popup);
    kutu->setObjectName(QStringLiteral("filtreListesi"));
    kutu->setAttribute(Qt::WA_DeleteOnClose);
    kutu->setFrameShape(QFrame::StyledPanel);
    auto *duzen = new QVBoxLayout(kutu);
    duzen->setContentsMargins(1, 1, 1, 1);
    auto *liste = new QListWidget(kutu);
    liste->setObjectName(QStringLiteral("filtreDegerleri"));
    duzen->addWidget(liste);
    const auto &secili = filtreler[size_t(sutun)];
    auto *tumu = new QListWidgetItem(QStringLiteral("(Tümü)"), liste);
    tumu->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    tumu->setCheckState(secili.empty() ? Qt::Checked : Qt::Unchecked);
    for (const QString &v : degerler) {
        auto *o = new QListWidgetItem(v.isEmpty() ? QStringLiteral("(Boş)") : v, liste);
        o->setData(Qt::UserRole, v);
        o->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        o->setCheckState(std::binary_search(secili.begin(), secili.end(), v) ? Qt::Checked : Qt::Unchecked);
    }
    const QString kimlik = sutunlar[size_t(sutun)].kimlik();
    QObject::connect(liste, &QListWidget::itemChanged, kutu, [this, liste, tumu, kimlik](QListWidgetItem *o) {
        const QSignalBlocker engel(liste);
        QStringList kabul;
        if (o == tumu) {
            if (tumu->checkState() != Qt::Checked) {
                tumu->setCheckState(Qt::Checked); // "all" is left by ticking a value
                return;
            }
            for (int i = 1; i < liste->count(); ++i)
                liste->item(i)->setCheckState(Qt::Unchecked);
        } else {
            for (int i = 1; i < liste->count(); ++i)
                if (liste->item(i)->checkState() == Qt::Checked)
                    kabul << liste->item(i)->data(Qt::UserRole).toString();
            tumu->setCheckState(kabul.isEmpty() ? Qt::Checked : Qt::Unchecked);
        }
        q->setSutunFiltresi(kimlik, kabul);
    });
    const QRect dugme = baslik->dugmeAlani(sutun);
    const QPoint yer = baslik->viewport()->mapToGlobal(QPoint(std::max(0, dugme.right() - 220), baslik->height()));
    kutu->resize(240, std::min(320, 26 + 22 * liste->count()));
    kutu->move(yer);
    kutu->show();
}
