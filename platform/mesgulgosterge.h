#pragma once
// The small busy animation of a loading tab or dialog: a painted spinner, or a
// GIF when one is given. Hidden while stopped; no timer runs while it cannot be seen.

#include <QTimer>
#include <QWidget>

class QMovie;

class MesgulGosterge : public QWidget
{
    Q_OBJECT

public:
    explicit MesgulGosterge(QWidget *parent = nullptr);

    // Plays this GIF instead of the painted spinner; an unreadable file keeps the spinner.
    bool setFilm(const QString &dosya);

    void baslat(); // shows and animates
    void durdur(); // stops and hides
    bool calisiyor() const { return m_calisiyor; }
    // True while frames are actually advancing (running and visible).
    bool animasyonda() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *) override;
    void showEvent(QShowEvent *) override;
    void hideEvent(QHideEvent *) override;

private:
    void guncelle();

    QTimer m_zaman;
    QMovie *m_film = nullptr;
    int m_adim = 0;
    bool m_calisiyor = false;
};
