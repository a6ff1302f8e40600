#include "platform/grid/izgara.h"

#include "platform/grid/izgaraimpl.h"
#include "platform/sayibicimi.h"
#include "server/resulttable.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

std::vector<int> AgirlikliGenislikler(int izgaraGenisligi, const std::vector<int> &agirliklar,
                                      const std::vector<bool> &gorunur)
{
    std::vector<int> sonuc(agirliklar.size(), 0);
    auto gorunurMu = [&](size_t i) { return i < gorunur.size() && gorunur[i]; };
    long long toplam = 0;
    for (size_t i = 0; i < agirliklar.size(); ++i)
        if (gorunurMu(i))
            toplam += std::max(0, agirliklar[i]);
    const int bos = izgaraGenisligi - 30;
    if (toplam <= 0 || bos <= 0)
        return sonuc;
    const int birim = int(bos / toplam);
    for (size_t i = 0; i < agirliklar.size(); ++i)
        if (gorunurMu(i))
            sonuc[i] = std::max(0, agirliklar[i]) * birim;
    return sonuc;
}

// ---- Impl ----

int Izgara::Impl::modelSatiriOf(int tabloSatiri) const
{
    if (!tablo || tabloSatiri < 0)
        return -1;
    if (!tersGecerli) {
        ters.assign(size_t(std::max(0, tablo->rowCount())), -1);
        const int n = modelSatirSayisi();
        for (int i = 0; i < n; ++i) {
            const Girdi g = girdi(i);
            if (g.tur != Tur::Veri)
                continue;
            const int r = satirlar[size_t(g.deger)];
            if (r < int(ters.size()))
                ters[size_t(r)] = i;
        }
        tersGecerli = true;
    }
    return tabloSatiri < int(ters.size()) ? ters[size_t(tabloSatiri)] : -1;
}

QString Izgara::Impl::hucreMetni(int satir, int sutun) const
{
    const IzgaraSutunu &s = sutunlar[size_t(sutun)];
    const int tc = tabloSutunu[size_t(sutun)];
    if (!tablo || satir < 0 || satir >= tablo->rowCount())
        return {};
    if (s.sunum == Sunum::Hesaplanan)
        return s.metin ? s.metin(*tablo, satir) : QString();
    if (tc < 0 || tc >= tablo->columnCount() || s.sunum == Sunum::Resim)
        return {};
    if (s.sunum == Sunum::Simge && s.simgeMetni) {
        const QString m = s.simgeMetni(tablo->value(satir, tc));
        if (!m.isEmpty())
            return m;
    }
    return tablo->displayText(satir, tc);
}

QString Izgara::Impl::baslikMetni(int sutun) const
{
    const IzgaraSutunu &s = sutunlar[size_t(sutun)];
    return s.baslik.isEmpty() ? s.kimlik() : s.baslik;
}

bool Izgara::Impl::sayisal(int sutun) const
{
    const int tc = tabloSutunu[size_t(sutun)];
    if (!tablo || tc < 0 || tc >= tablo->columnCount())
        return false;
    switch (tablo->column(tc).type) {
    case ColumnType::Int32:
    case ColumnType::Int64:
    case ColumnType::Double:
    case ColumnType::Currency:
    case ColumnType::Bcd:
        return true;
    default:
        return false;
    }
}

Qt::Alignment Izgara::Impl::hiza(int sutun) const
{
    const IzgaraSutunu &s = sutunlar[size_t(sutun)];
    Qt::Alignment h = s.hiza & Qt::AlignHorizontal_Mask;
    if (!h) {
        switch (s.sunum) {
        case Sunum::OrtaliMetin:
        case Sunum::Simge:
        case Sunum::TikKutusu:
        case Sunum::Resim:
            h = Qt::AlignHCenter;
            break;
        case Sunum::Hesaplanan:
            h = Qt::AlignRight;
            break;
        default:
            h = sayisal(sutun) ? Qt::AlignRight : Qt::AlignLeft;
        }
    }
    return h | Qt::AlignVCenter;
}

double Izgara::Impl::ozetToplami(int sutun, int bas, int adet) const
{
    const int tc = tabloSutunu[size_t(sutun)];
    if (!tablo || tc < 0 || tc >= tablo->columnCount())
        return 0;
    const int n = tablo->rowCount();
    double toplam = 0;
    for (int i = bas; i < bas + adet; ++i) {
        const int r = satirlar[size_t(i)];
        if (r < n)
            toplam += tablo->asDouble(r, tc);
    }
    return toplam;
}

QString Izgara::Impl::ozetMetni(int sutun, int bas, int adet) const
{
    const IzgaraSutunu &s = sutunlar[size_t(sutun)];
    if (s.ozet == Ozet::Sayi)
        return QString::number(adet);
    const int tc = tabloSutunu[size_t(sutun)];
    if (s.ozet != Ozet::Toplam || !tablo || tc < 0 || tc >= tablo->columnCount())
        return {};
    const double toplam = ozetToplami(sutun, bas, adet);
    const ColumnDef &def = tablo->column(tc);
    if (!def.displayFormat.isEmpty() && SayiBicimi::gecerliMi(def.displayFormat))
        return SayiBicimi(def.displayFormat).bicimle(toplam);
    if (def.type == ColumnType::Int32 || def.type == ColumnType::Int64)
        return QString::number(qint64(std::llround(toplam)));
    return QString::number(toplam, 'g', 15);
}

void Izgara::Impl::ozetleriHesapla()
{
    ozetler.assign(sutunlar.size(), QString());
    for (auto &g : gruplar)
        g.ozetler.assign(sutunlar.size(), QString());
    for (size_t c = 0; c < sutunlar.size(); ++c) {
        if (sutunlar[c].ozet == Ozet::Yok)
            continue;
        ozetler[c] = ozetMetni(int(c), 0, int(satirlar.size()));
        for (auto &g : gruplar)
            g.ozetler[c] = ozetMetni(int(c), g.bas, g.adet);
    }
}

void Izgara::Impl::filtreUygula()
{
    const int n = tablo->rowCount();
    satirlar.resize(size_t(n));
    for (int i = 0; i < n; ++i)
        satirlar[size_t(i)] = i;
    auto kucuk = [](const auto &a, const auto &b) { return QStringView(a) < QStringView(b); };
    for (size_t c = 0; c < sutunlar.size(); ++c) {
        const auto &kabul = filtreler[c];
        if (kabul.empty())
            continue;
        const int tc = tabloSutunu[c];
        const Sunum sunum = sutunlar[c].sunum;
        const bool duzMetin = tc >= 0 && tc < tablo->columnCount() && tablo->column(tc).type == ColumnType::String
            && (sunum == Sunum::Metin || sunum == Sunum::SarmaliMetin || sunum == Sunum::OrtaliMetin);
        std::erase_if(satirlar, [&](int r) {
            if (duzMetin)
                return !std::binary_search(kabul.begin(), kabul.end(), tablo->stringView(r, tc), kucuk);
            return !std::binary_search(kabul.begin(), kabul.end(), hucreMetni(r, int(c)), kucuk);
        });
    }
}

namespace {

enum class AnahtarTuru { Yok, Sayi, Metin, Hesap };

// Sorts rows (table row numbers) stably by one grid column's typed value;
// nulls come first in ascending order.
void anahtarlaSirala(const Izgara::Impl &d, int sutun, std::vector<int>::iterator bas, std::vector<int>::iterator son,
                     bool azalan)
{
    const ResultTable &t = *d.tablo;
    const IzgaraSutunu &s = d.sutunlar[size_t(sutun)];
    const int tc = d.tabloSutunu[size_t(sutun)];
    const size_t n = size_t(t.rowCount());
    AnahtarTuru tur = AnahtarTuru::Yok;
    if (s.sunum == Sunum::Hesaplanan)
        tur = s.metin ? AnahtarTuru::Hesap : AnahtarTuru::Yok;
    else if (tc >= 0 && tc < t.columnCount() && s.sunum != Sunum::Resim) {
        const ColumnType ct = t.column(tc).type;
        tur = ct == ColumnType::String ? AnahtarTuru::Metin
            : ct == ColumnType::Bytes  ? AnahtarTuru::Yok
                                       : AnahtarTuru::Sayi;
    }
    auto sirala = [&](auto kucuk) {
        if (azalan)
            std::stable_sort(bas, son, [&](int a, int b) { return kucuk(b, a); });
        else
            std::stable_sort(bas, son, kucuk);
    };
    switch (tur) {
    case AnahtarTuru::Yok:
        return;
    case AnahtarTuru::Sayi: {
        std::vector<double> k(n);
        for (auto i = bas; i != son; ++i)
            k[size_t(*i)] = t.isNull(*i, tc) ? -HUGE_VAL : t.asDouble(*i, tc);
        sirala([&k](int a, int b) { return k[size_t(a)] < k[size_t(b)]; });
        return;
    }
    case AnahtarTuru::Metin: {
        std::vector<QStringView> k(n);
        for (auto i = bas; i != son; ++i)
            k[size_t(*i)] = t.stringView(*i, tc);
        sirala([&k](int a, int b) { return turkceKarsilastir(k[size_t(a)], k[size_t(b)]) < 0; });
        return;
    }
    case AnahtarTuru::Hesap: {
        std::vector<QString> k(n);
        for (auto i = bas; i != son; ++i)
            k[size_t(*i)] = s.metin(t, *i);
        sirala([&k](int a, int b) { return turkceKarsilastir(k[size_t(a)], k[size_t(b)]) < 0; });
        return;
    }
    }
}

} // namespace

void Izgara::Impl::siralamaUygula()
{
    if (siraSutunu >= 0)
        anahtarlaSirala(*this, siraSutunu, satirlar.begin(), satirlar.end(), siraYonu == Qt::DescendingOrder);
}

void Izgara::Impl::gruplamaUygula()
{
    // Groups keep their open state by value across rebuilds.
    QHash<QString, bool> onceki;
    for (const auto &g : gruplar)
        onceki.insert(g.deger, g.acik);
    gruplar.clear();
    if (grupSutunu < 0)
        return;
    // Stable: the rows of one group keep the sort order.
    anahtarlaSirala(*this, grupSutunu, satirlar.begin(), satirlar.end(), false);
    for (int i = 0; i < int(satirlar.size());) {
        Grup g;
        g.bas = i;
        g.deger = hucreMetni(satirlar[size_t(i)], grupSutunu);
        int j = i + 1;
        while (j < int(satirlar.size()) && hucreMetni(satirlar[size_t(j)], grupSutunu) == g.deger)
            ++j;
        g.adet = j - i;
        g.acik = onceki.value(g.deger, true);
        gruplar.push_back(std::move(g));
        i = j;
    }
}

void Izgara::Impl::girdileriKur()
{
    girdiler.clear();
    tersGecerli = false;
    if (grupSutunu < 0)
        return;
    const bool altlar
        = std::any_of(sutunlar.begin(), sutunlar.end(), [](const auto &s) { return s.ozet != Ozet::Yok; });
    for (int g = 0; g < int(gruplar.size()); ++g) {
        girdiler.push_back({ Tur::GrupBasligi, g });
        if (gruplar[size_t(g)].acik)
            for (int i = gruplar[size_t(g)].bas; i < gruplar[size_t(g)].bas + gruplar[size_t(g)].adet; ++i)
                girdiler.push_back({ Tur::Veri, i });
        if (altlar)
            girdiler.push_back({ Tur::GrupAltBilgisi, g });
    }
}

void Izgara::Impl::yenile()
{
    const int odak = q->odakSatiri();
    const int odakSutun = gorunum->currentIndex().isValid() ? gorunum->currentIndex().column() : -1;
    model->sifirlamayaBasla();
    resimler.clear();
    satirlar.clear();
    tabloSutunu.assign(sutunlar.size(), -1);
    if (tablo)
        for (size_t c = 0; c < sutunlar.size(); ++c)
            if (!sutunlar[c].alan.isEmpty())
                tabloSutunu[c] = tablo->columnIndex(sutunlar[c].alan);
    if (okunur()) {
        filtreUygula();
        siralamaUygula();
        gruplamaUygula();
    } else {
        gruplar.clear();
    }
    ozetleriHesapla();
    girdileriKur();
    model->sifirlamayiBitir();
    if (okunur()) {
        // The table's cursor is where a new load put it; else the row focused before.
        int hedef = modelSatiriOf(tablo->cursor());
        if (hedef < 0)
            hedef = modelSatiriOf(odak);
        if (hedef >= 0) {
            int c = odakSutun;
            if (c < 0 || baslik->isSectionHidden(c))
                c = baslik->logicalIndex(0);
            for (int v = 0; c >= 0 && baslik->isSectionHidden(c) && v < baslik->count(); ++v)
                c = baslik->logicalIndex(v);
            gorunum->selectionModel()->setCurrentIndex(model->index(hedef, std::max(0, c)),
                                                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        }
    }
    altBilgi->update();
    filtreSeridiniGuncelle();
}

void Izgara::Impl::dinle(bool evet)
{
    if (evet && tablo && dinleyici == 0) {
        dinleyici = tablo->addListener(
            [this](ResultTable::Change ne, int satir, int sutun) { degisiklik(int(ne), satir, sutun); });
    } else if (!evet && tablo && dinleyici != 0) {
        tablo->removeListener(dinleyici);
        dinleyici = 0;
    }
}

void Izgara::Impl::degisiklik(int ne, int satir, int sutun)
{
    if (!okunur())
        return; // the end of the bulk update reads the table once
    switch (ResultTable::Change(ne)) {
    case ResultTable::Change::Reset:
        yenile();
        return;
    case ResultTable::Change::Cell: {
        const int m = modelSatiriOf(satir);
        resimler.remove((qint64(satir) << 16) | qint64(sutun & 0xffff));
        // Summaries may depend on the cell; they are cheap next to a reset.
        bool ozetVar = false;
        for (size_t c = 0; c < sutunlar.size(); ++c)
            ozetVar |= sutunlar[c].ozet == Ozet::Toplam && tabloSutunu[c] == sutun;
        if (ozetVar) {
            ozetleriHesapla();
            altBilgi->update();
            gorunum->viewport()->update();
        }
        if (m >= 0)
            emit model->dataChanged(model->index(m, 0), model->index(m, model->columnCount() - 1));
        return;
    }
    case ResultTable::Change::Cursor: {
        const int m = modelSatiriOf(satir);
        if (m >= 0 && gorunum->currentIndex().row() != m) {
            const int c = gorunum->currentIndex().isValid() ? gorunum->currentIndex().column() : 0;
            gorunum->selectionModel()->setCurrentIndex(model->index(m, c),
                                                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        }
        return;
    }
    }
}

void Izgara::Impl::filtreSeridiniGuncelle()
{
    QStringList parcalar;
    for (size_t c = 0; c < sutunlar.size(); ++c)
        if (!filtreler[c].empty()) {
            QStringList degerler;
            for (const auto &v : filtreler[c])
                degerler << (v.isEmpty() ? QStringLiteral("(Boş)") : v);
            parcalar << QStringLiteral("%1 = %2").arg(baslikMetni(int(c)), degerler.join(QStringLiteral(", ")));
        }
    filtreEtiketi->setText(parcalar.join(QStringLiteral("  ve  ")));
    filtreSeridi->setVisible(!parcalar.isEmpty());
    baslik->viewport()->update();
}

void Izgara::Impl::basligaTiklandi(int sutun)
{
    if (!siralanabilir || sutun < 0 || sutun >= int(sutunlar.size())) {
        baslik->setSortIndicatorShown(false);
        return;
    }
    const Qt::SortOrder yon
        = siraSutunu == sutun && siraYonu == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    q->sirala(sutunlar[size_t(sutun)].kimlik(), yon);
}

void Izgara::Impl::baslikStili()
{
    baslik->setStyleSheet(QStringLiteral("QHeaderView::section { background-color: %1; color: %2; font-weight: %3;"
                                         " border: none; border-right: 1px solid %4; padding: 0px 3px; }")
                              .arg(renkler.baslik.name(), renkler.baslikYazi.name(),
                                   renkler.baslikKalin ? QStringLiteral("bold") : QStringLiteral("normal"),
                                   renkler.baslik.lighter(130).name()));
}

void Izgara::Impl::sutunSeciciAc(const QPoint &global)
{
    auto *menu = new QMenu(q);
    menu->setObjectName(QStringLiteral("sutunSecici"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (size_t c = 0; c < sutunlar.size(); ++c) {
        if (!sutunlar[c].sunulur || int(c) == grupSutunu)
            continue;
        QAction *a = menu->addAction(baslikMetni(int(c)));
        a->setCheckable(true);
        a->setChecked(!baslik->isSectionHidden(int(c)));
        const QString kimlik = sutunlar[c].kimlik();
        QObject::connect(a, &QAction::toggled, q, [this, kimlik](bool acik) { q->setSutunGorunur(kimlik, acik); });
    }
    menu->popup(global);
}

// ---- Izgara ----

Izgara::Izgara(QWidget *parent)
    : QWidget(parent)
    , d(std::make_unique<Impl>())
{
    d->q = this;
    d->gorunum = new IzgaraGorunumu(*d, this);
    d->gorunum->setObjectName(QStringLiteral("gorunum"));
    d->baslik = new IzgaraBaslik(*d, d->gorunum);
    d->baslik->setMouseTracking(true); // the filter mark follows the mouse
    d->gorunum->setHeader(d->baslik);
    d->model = new IzgaraModeli(*d, this);
    d->gorunum->setModel(d->model);
    d->gorunum->setItemDelegate(new IzgaraCizici(*d, this));
    d->gorunum->setRootIsDecorated(false);
    d->gorunum->setItemsExpandable(false);
    d->gorunum->setUniformRowHeights(true);
    d->gorunum->setAllColumnsShowFocus(true);
    d->gorunum->setSelectionBehavior(QAbstractItemView::SelectRows);
    d->gorunum->setSelectionMode(QAbstractItemView::SingleSelection);
    d->gorunum->setEditTriggers(QAbstractItemView::NoEditTriggers);
    d->gorunum->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    d->gorunum->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    d->gorunum->setSortingEnabled(false); // the grid sorts its own mapping
    d->gorunum->setContextMenuPolicy(Qt::CustomContextMenu);
    d->baslik->setSectionsClickable(true);
    d->baslik->setSectionsMovable(false);
    d->baslik->setStretchLastSection(false);
    d->baslik->setSectionResizeMode(QHeaderView::Interactive);
    d->baslik->setDefaultAlignment(Qt::AlignCenter);
    d->baslik->setContextMenuPolicy(Qt::CustomContextMenu);
    d->baslik->setFixedHeight(24);
    d->baslikStili();

    d->altBilgi = new IzgaraAltBilgi(*d, this);
    d->altBilgi->setObjectName(QStringLiteral("altBilgi"));
    d->altBilgi->hide();

    d->filtreSeridi = new QWidget(this);
    d->filtreSeridi->setObjectName(QStringLiteral("filtreSeridi"));
    auto *serit = new QHBoxLayout(d->filtreSeridi);
    serit->setContentsMargins(4, 2, 4, 2);
    d->filtreEtiketi = new QLabel(d->filtreSeridi);
    d->filtreEtiketi->setObjectName(QStringLiteral("filtreEtiketi"));
    d->filtreTemizle = new QPushButton(QStringLiteral("Filtreyi Temizle"), d->filtreSeridi);
    d->filtreTemizle->setObjectName(QStringLiteral("filtreTemizle"));
    serit->addWidget(d->filtreEtiketi, 1);
    serit->addWidget(d->filtreTemizle);
    d->filtreSeridi->hide();

    auto *duzen = new QVBoxLayout(this);
    duzen->setContentsMargins(0, 0, 0, 0);
    duzen->setSpacing(0);
    duzen->addWidget(d->gorunum, 1);
    duzen->addWidget(d->altBilgi);
    duzen->addWidget(d->filtreSeridi);

    connect(d->filtreTemizle, &QPushButton::clicked, this, &Izgara::filtreleriTemizle);
    connect(d->baslik, &QHeaderView::sectionClicked, this, [this](int s) { d->basligaTiklandi(s); });
    connect(d->baslik, &QWidget::customContextMenuRequested, this, [this](const QPoint &p) {
        if (d->sutunSecici)
            d->sutunSeciciAc(d->baslik->mapToGlobal(p));
    });
    auto altBilgiyiCiz = [this] { d->altBilgi->update(); };
    connect(d->baslik, &QHeaderView::sectionResized, d->altBilgi, altBilgiyiCiz);
    connect(d->baslik, &QHeaderView::sectionMoved, d->altBilgi, altBilgiyiCiz);
    connect(d->baslik, &QHeaderView::geometriesChanged, d->altBilgi, altBilgiyiCiz);
    connect(d->gorunum->horizontalScrollBar(), &QScrollBar::valueChanged, d->altBilgi, altBilgiyiCiz);

    connect(d->gorunum, &QAbstractItemView::clicked, this, [this](const QModelIndex &i) {
        if (!i.isValid() || d->grupSutunu < 0)
            return;
        const Impl::Girdi g = d->girdi(i.row());
        if (g.tur != Impl::Tur::GrupBasligi)
            return;
        d->model->sifirlamayaBasla();
        d->gruplar[size_t(g.deger)].acik = !d->gruplar[size_t(g.deger)].acik;
        d->girdileriKur();
        d->model->sifirlamayiBitir();
    });
    connect(d->gorunum, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &i) {
        if (!i.isValid() || !d->okunur())
            return;
        const Impl::Girdi g = d->girdi(i.row());
        if (g.tur == Impl::Tur::Veri)
            emit satirCiftTiklandi(d->satirlar[size_t(g.deger)], d->sutunlar[size_t(i.column())].kimlik());
    });
    // The table's cursor follows the focused row, as the screens read the row there.
    connect(d->gorunum->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &i) {
        if (!i.isValid() || !d->okunur() || i.row() >= d->modelSatirSayisi())
            return;
        const Impl::Girdi g = d->girdi(i.row());
        if (g.tur != Impl::Tur::Veri)
            return;
        const int r = d->satirlar[size_t(g.deger)];
        if (r < d->tablo->rowCount() && d->tablo->cursor() != r)
            d->tablo->setCursor(r);
    });
    connect(d->gorunum, &QWidget::customContextMenuRequested, this, [this](const QPoint &p) {
        const QModelIndex i = d->gorunum->indexAt(p);
        if (!i.isValid() || d->girdi(i.row()).tur != Impl::Tur::Veri)
            return;
        d->gorunum->selectionModel()->setCurrentIndex(i,
                                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        if (d->baglamMenusu)
            d->baglamMenusu->popup(d->gorunum->viewport()->mapToGlobal(p));
    });
}

Izgara::~Izgara()
{
    d->dinle(false);
    // The view asks the model (and so d) while it goes: it must go before d.
    delete d->gorunum;
    d->gorunum = nullptr;
}

void Izgara::setSutunlar(std::vector<IzgaraSutunu> sutunlar)
{
    d->model->sifirlamayaBasla();
    d->sutunlar = std::move(sutunlar);
    d->tabloSutunu.assign(d->sutunlar.size(), -1);
    d->filtreler.assign(d->sutunlar.size(), {});
    d->ozetler.assign(d->sutunlar.size(), QString());
    d->satirlar.clear();
    d->gruplar.clear();
    d->girdiler.clear();
    d->siraSutunu = d->grupSutunu = -1;
    d->model->sifirlamayiBitir();
    d->baslik->setSortIndicatorShown(false);
    for (size_t c = 0; c < d->sutunlar.size(); ++c)
        d->baslik->setSectionHidden(int(c), !d->sutunlar[c].gorunur);
    d->altBilgi->setVisible(d->altBilgiGorunur);
    d->yenile();
}

int Izgara::sutunSayisi() const
{
    return int(d->sutunlar.size());
}

const IzgaraSutunu &Izgara::sutun(int i) const
{
    return d->sutunlar.at(size_t(i));
}

int Izgara::sutunBul(QStringView kimlik) const
{
    for (size_t c = 0; c < d->sutunlar.size(); ++c)
        if (kimlik.compare(d->sutunlar[c].kimlik(), Qt::CaseInsensitive) == 0)
            return int(c);
    return -1;
}

void Izgara::setSutunGorunur(QStringView kimlik, bool gorunur)
{
    const int c = sutunBul(kimlik);
    if (c < 0)
        return;
    if (c == d->grupSutunu) {
        d->grupSutunuGorunurdu = gorunur; // shown again when the grouping ends
        return;
    }
    d->sutunlar[size_t(c)].gorunur = gorunur;
    d->baslik->setSectionHidden(c, !gorunur);
    d->altBilgi->update();
}

bool Izgara::sutunGorunur(QStringView kimlik) const
{
    const int c = sutunBul(kimlik);
    return c >= 0 && !d->baslik->isSectionHidden(c);
}

void Izgara::setSutunSunulur(QStringView kimlik, bool sunulur)
{
    const int c = sutunBul(kimlik);
    if (c >= 0)
        d->sutunlar[size_t(c)].sunulur = sunulur;
}

bool Izgara::sutunSunulur(QStringView kimlik) const
{
    const int c = sutunBul(kimlik);
    return c >= 0 && d->sutunlar[size_t(c)].sunulur;
}

void Izgara::setSutunGenisligi(QStringView kimlik, int piksel)
{
    const int c = sutunBul(kimlik);
    if (c >= 0)
        d->baslik->resizeSection(c, std::max(0, piksel));
}

int Izgara::sutunGenisligi(QStringView kimlik) const
{
    const int c = sutunBul(kimlik);
    if (c < 0 || d->baslik->isSectionHidden(c))
        return 0;
    return d->baslik->sectionSize(c);
}

void Izgara::setTablo(ResultTable *tablo)
{
    d->dinle(false);
    d->tablo = tablo;
    if (d->bagli)
        d->dinle(true);
    d->yenile();
}

ResultTable *Izgara::tablo() const
{
    return d->tablo;
}

void Izgara::baglantiyiKes()
{
    d->bagli = false;
    d->dinle(false);
    d->yenile();
}

void Izgara::baglantiyiKur()
{
    if (d->bagli)
        return;
    d->bagli = true;
    d->dinle(true);
    if (d->guncelleme == 0)
        d->yenile();
}

bool Izgara::bagli() const
{
    return d->bagli;
}

void Izgara::guncellemeyeBasla()
{
    if (d->guncelleme++ == 0)
        d->gorunum->setUpdatesEnabled(false);
}

void Izgara::guncellemeyiBitir()
{
    if (d->guncelleme == 0)
        return;
    if (--d->guncelleme == 0) {
        d->yenile();
        d->gorunum->setUpdatesEnabled(true);
    }
}

void Izgara::setRenkler(const Renkler &renkler)
{
    d->renkler = renkler;
    d->baslikStili();
    d->gorunum->viewport()->update();
    d->altBilgi->update();
}

const Izgara::Renkler &Izgara::renkler() const
{
    return d->renkler;
}

void Izgara::setSatirYuksekligi(int piksel)
{
    d->satirYuksekligi = std::max(1, piksel);
    // Uniform heights are measured once: a reset makes the view ask again.
    d->model->sifirlamayaBasla();
    d->model->sifirlamayiBitir();
}

int Izgara::satirYuksekligi() const
{
    return d->satirYuksekligi;
}

void Izgara::setBaslikYuksekligi(int piksel)
{
    d->baslik->setFixedHeight(std::max(0, piksel));
}

void Izgara::setBaslikGorunur(bool gorunur)
{
    d->gorunum->setHeaderHidden(!gorunur);
}

void Izgara::setAltBilgiGorunur(bool gorunur)
{
    d->altBilgiGorunur = gorunur;
    d->altBilgi->setVisible(gorunur);
}

void Izgara::setFiltreDugmeleri(bool var)
{
    d->filtreDugmeleri = var;
    d->baslik->viewport()->update();
}

void Izgara::setSiralanabilir(bool evet)
{
    d->siralanabilir = evet;
    if (!evet)
        siralamayiKaldir();
}

void Izgara::setSutunSecici(bool var)
{
    d->sutunSecici = var;
}

int Izgara::gorunenSatirSayisi() const
{
    return int(d->satirlar.size());
}

int Izgara::gorunumSatiri(int i) const
{
    return i >= 0 && i < int(d->satirlar.size()) ? d->satirlar[size_t(i)] : -1;
}

int Izgara::odakSatiri() const
{
    const QModelIndex i = d->gorunum->currentIndex();
    if (!i.isValid() || i.row() >= d->modelSatirSayisi())
        return -1;
    const Impl::Girdi g = d->girdi(i.row());
    return g.tur == Impl::Tur::Veri ? d->satirlar[size_t(g.deger)] : -1;
}

QString Izgara::odakSutunu() const
{
    const QModelIndex i = d->gorunum->currentIndex();
    if (!i.isValid() || i.column() >= int(d->sutunlar.size()))
        return {};
    return d->sutunlar[size_t(i.column())].kimlik();
}

void Izgara::setOdak(int tabloSatiri, QStringView sutunKimligi)
{
    const int m = d->modelSatiriOf(tabloSatiri);
    if (m < 0)
        return;
    int c = sutunKimligi.isEmpty() ? -1 : sutunBul(sutunKimligi);
    if (c < 0)
        c = d->gorunum->currentIndex().isValid() ? d->gorunum->currentIndex().column() : d->baslik->logicalIndex(0);
    const QModelIndex i = d->model->index(m, std::max(0, c));
    d->gorunum->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    d->gorunum->scrollTo(i);
}

void Izgara::setBaglamMenusu(QMenu *menu)
{
    d->baglamMenusu = menu;
}

void Izgara::setSutunFiltresi(QStringView kimlik, const QStringList &degerler)
{
    const int c = sutunBul(kimlik);
    if (c < 0)
        return;
    std::vector<QString> kabul(degerler.begin(), degerler.end());
    std::sort(kabul.begin(), kabul.end(), [](const QString &a, const QString &b) { return QStringView(a) < b; });
    kabul.erase(std::unique(kabul.begin(), kabul.end()), kabul.end());
    d->filtreler[size_t(c)] = std::move(kabul);
    d->yenile();
}

QStringList Izgara::sutunFiltresi(QStringView kimlik) const
{
    const int c = sutunBul(kimlik);
    if (c < 0)
        return {};
    return QStringList(d->filtreler[size_t(c)].begin(), d->filtreler[size_t(c)].end());
}

void Izgara::filtreleriTemizle()
{
    if (!filtreVar())
        return;
    for (auto &f : d->filtreler)
        f.clear();
    d->yenile();
}

bool Izgara::filtreVar() const
{
    return std::any_of(d->filtreler.begin(), d->filtreler.end(), [](const auto &f) { return !f.empty(); });
}

void Izgara::sirala(QStringView kimlik, Qt::SortOrder yon)
{
    const int c = sutunBul(kimlik);
    if (c < 0)
        return;
    d->siraSutunu = c;
    d->siraYonu = yon;
    d->baslik->setSortIndicatorShown(true);
    d->baslik->setSortIndicator(c, yon);
    d->yenile();
}

void Izgara::siralamayiKaldir()
{
    d->baslik->setSortIndicatorShown(false);
    d->baslik->setSortIndicator(-1, Qt::AscendingOrder);
    if (d->siraSutunu < 0)
        return;
    d->siraSutunu = -1;
    d->yenile();
}

void Izgara::setGruplama(QStringView kimlik)
{
    const int c = kimlik.isEmpty() ? -1 : sutunBul(kimlik);
    if (c == d->grupSutunu)
        return;
    if (d->grupSutunu >= 0) {
        const int eski = d->grupSutunu;
        d->sutunlar[size_t(eski)].gorunur = d->grupSutunuGorunurdu;
        d->baslik->setSectionHidden(eski, !d->grupSutunuGorunurdu);
    }
    d->gruplar.clear();
    d->grupSutunu = c;
    if (c >= 0) {
        d->grupSutunuGorunurdu = !d->baslik->isSectionHidden(c);
        d->baslik->setSectionHidden(c, true);
    }
    d->yenile();
}

QString Izgara::gruplama() const
{
    return d->grupSutunu >= 0 ? d->sutunlar[size_t(d->grupSutunu)].kimlik() : QString();
}

int Izgara::grupSayisi() const
{
    return int(d->gruplar.size());
}

QString Izgara::grupBasligi(int grup) const
{
    if (grup < 0 || grup >= grupSayisi())
        return {};
    const Impl::Grup &g = d->gruplar[size_t(grup)];
    const QString deger = g.deger.isEmpty() ? QStringLiteral("(Boş)") : g.deger;
    return QStringLiteral("%1: %2 (%3 kayıt)").arg(d->baslikMetni(d->grupSutunu), deger).arg(g.adet);
}

int Izgara::grupSatirSayisi(int grup) const
{
    return grup >= 0 && grup < grupSayisi() ? d->gruplar[size_t(grup)].adet : 0;
}

void Izgara::gruplariDaralt()
{
    d->model->sifirlamayaBasla();
    for (auto &g : d->gruplar)
        g.acik = false;
    d->girdileriKur();
    d->model->sifirlamayiBitir();
}

void Izgara::gruplariGenislet()
{
    d->model->sifirlamayaBasla();
    for (auto &g : d->gruplar)
        g.acik = true;
    d->girdileriKur();
    d->model->sifirlamayiBitir();
}

bool Izgara::grupAcik(int grup) const
{
    return grup >= 0 && grup < grupSayisi() && d->gruplar[size_t(grup)].acik;
}

QString Izgara::altBilgiMetni(QStringView kimlik) const
{
    const int c = sutunBul(kimlik);
    return c >= 0 && size_t(c) < d->ozetler.size() ? d->ozetler[size_t(c)] : QString();
}

QString Izgara::grupAltBilgiMetni(int grup, QStringView kimlik) const
{
    const int c = sutunBul(kimlik);
    if (c < 0 || grup < 0 || grup >= grupSayisi())
        return {};
    const auto &o = d->gruplar[size_t(grup)].ozetler;
    return size_t(c) < o.size() ? o[size_t(c)] : QString();
}

void Izgara::agirlikliGenislikUygula()
{
    // The inner view's width, frame and scroll bar included: the 30 pixels the
    // rule keeps free are for them.
    std::vector<int> agirlik;
    std::vector<bool> gorunur;
    for (size_t c = 0; c < d->sutunlar.size(); ++c) {
        agirlik.push_back(d->sutunlar[c].agirlik);
        gorunur.push_back(!d->baslik->isSectionHidden(int(c)));
    }
    const std::vector<int> g = AgirlikliGenislikler(d->gorunum->width(), agirlik, gorunur);
    for (size_t c = 0; c < g.size(); ++c)
        if (gorunur[c])
            d->baslik->resizeSection(int(c), g[c]);
}

void Izgara::enIyiGenislikUygula()
{
    for (int c = 0; c < int(d->sutunlar.size()); ++c)
        if (!d->baslik->isSectionHidden(c))
            d->gorunum->resizeColumnToContents(c);
}

size_t Izgara::eslemeBaytlari() const
{
    return d->satirlar.capacity() * sizeof(int) + d->girdiler.capacity() * sizeof(Impl::Girdi)
        + d->ters.capacity() * sizeof(int);
}

QTreeView *Izgara::gorunum() const
{
    return d->gorunum;
}

void Izgara::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    emit boyutDegisti(e->size());
}
