#pragma once
// Tab captions that carry a count badge: "12=Sepet" is painted as the title
// "Sepet" with "(12)" at the top right. The caption itself is kept as set, so
// whoever reads it back gets the count too.

#include <QColor>
#include <QString>
#include <QTabBar>
#include <QTabWidget>

struct SekmeRozeti
{
    int sayi = 0; // 0: no badge
    QString baslik;
    bool operator==(const SekmeRozeti &) const = default;
};

// Splits at the first "=": a count of decimal digits before it, the title
// (at most 100 characters) after it. Anything else before the "=" (nothing,
// a sign, letters, a fraction, a number beyond int) is no count: the caption
// is then a plain title, shown whole, so nothing typed is lost.
SekmeRozeti RozetAyir(const QString &baslik);

inline constexpr int rozetBaslikSiniri = 100;
inline const QColor rozetRengi { 30, 180, 223 };

// The tab bar that paints the badge form. Tabs are 120 x 45 unless set otherwise.
class RozetliSekmeCubugu : public QTabBar
{
    Q_OBJECT
public:
    explicit RozetliSekmeCubugu(QWidget *parent = nullptr);
    void setSekmeBoyu(QSize boy);

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    void tabInserted(int index) override;
    void tabLayoutChange() override;

private:
    void sekmeCiz(class QStylePainter &ressam, int index) const;
    void erisimAdlariniYenile();

    QSize m_boy { 120, 45 };
};

// A tab control whose bar is the badge painter.
class RozetliSekmeler : public QTabWidget
{
    Q_OBJECT
public:
    explicit RozetliSekmeler(QWidget *parent = nullptr);
    RozetliSekmeCubugu *cubuk() const { return m_cubuk; }

private:
    RozetliSekmeCubugu *m_cubuk;
};
