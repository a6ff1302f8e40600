#pragma once
// Answers modal dialogs for widget tests: a timer looks for the active modal
// widget, records what it shows and presses a button by its caption.
//
//   ModalYanit yanit;
//   yanit.cevapla("Tamam", "Bağlantı Kurulamıyor", "Hata");
//   ... code that shows the dialog ...
//   EXPECT_TRUE(yanit.bekle());
//
// A dialog that appears with no answer left is recorded and closed, so a test
// never hangs on it, and bekle() then fails.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

class ModalYanit : public QObject
{
public:
    struct Gorulen
    {
        QString baslik;
        QString metin;
        QString basilan; // empty when the dialog was closed without a button
        QString sorun; // empty when it was the dialog the test expected
    };

    // Looks every `aralikMs` ms; gives up waiting for a dialog after `enFazlaYoklama` looks.
    explicit ModalYanit(int enFazlaYoklama = 500, int aralikMs = 10)
        : m_enFazla(enFazlaYoklama)
    {
        m_zaman.setInterval(aralikMs);
        QObject::connect(&m_zaman, &QTimer::timeout, this, [this] { yokla(); });
        m_zaman.start();
    }

    // One answer, for the next dialog; empty expectations accept any text or title.
    // `incele` sees the live dialog before the button is pressed.
    ModalYanit &cevapla(const QString &dugme, const QString &metinIcerir = {}, const QString &baslik = {},
                        std::function<void(QWidget *)> incele = {})
    {
        m_bekleyen.append({ dugme, metinIcerir, baslik, std::move(incele) });
        m_yoklama = 0;
        return *this;
    }

    const QList<Gorulen> &gorulenler() const { return m_gorulen; }

    // Runs the event loop until every answer was given (or the looks ran out),
    // then tells whether each dialog was the expected one and no other appeared.
    ::testing::AssertionResult bekle(int enFazlaMs = 5000)
    {
        (void)QTest::qWaitFor([this] { return m_bekleyen.isEmpty() || m_vazgecildi; }, enFazlaMs);
        QCoreApplication::processEvents();
        if (!m_bekleyen.isEmpty())
            return ::testing::AssertionFailure()
                << m_bekleyen.size() << " beklenen diyalog görülmedi; ilki \"" << m_bekleyen.first().metin.toStdString()
                << "\" içeren, \"" << m_bekleyen.first().baslik.toStdString() << "\" başlıklı";
        for (const Gorulen &g : m_gorulen)
            if (!g.sorun.isEmpty())
                return ::testing::AssertionFailure() << "diyalog \"" << g.baslik.toStdString() << "\" / \""
                                                     << g.metin.toStdString() << "\": " << g.sorun.toStdString();
        return ::testing::AssertionSuccess();
    }

    static QString metni(QWidget *w)
    {
        if (auto *kutu = qobject_cast<QMessageBox *>(w))
            return kutu->text();
        QStringList parcalar;
        for (QLabel *l : w->findChildren<QLabel *>())
            if (!l->text().isEmpty())
                parcalar << l->text();
        return parcalar.join(QLatin1Char('\n'));
    }

private:
    struct Cevap
    {
        QString dugme, metin, baslik;
        std::function<void(QWidget *)> incele;
    };

    static QAbstractButton *dugmeBul(QWidget *w, const QString &yazi)
    {
        for (QAbstractButton *b : w->findChildren<QAbstractButton *>())
            if (b->isVisible() && b->text().remove(QLatin1Char('&')) == yazi)
                return b;
        return nullptr;
    }

    void yokla()
    {
        QWidget *w = QApplication::activeModalWidget();
        if (!w || !w->isVisible() || w == m_son) {
            if (!m_bekleyen.isEmpty() && ++m_yoklama >= m_enFazla)
                m_vazgecildi = true;
            return;
        }
        m_son = w;
        Gorulen g { w->windowTitle(), metni(w), {}, {} };
        if (m_bekleyen.isEmpty()) {
            g.sorun = QStringLiteral("beklenmeyen diyalog");
            kapat(w);
        } else {
            const Cevap c = m_bekleyen.takeFirst();
            m_yoklama = 0;
            if (!c.metin.isEmpty() && !g.metin.contains(c.metin))
                g.sorun = QStringLiteral("metin \"%1\" içermiyor").arg(c.metin);
            else if (!c.baslik.isEmpty() && g.baslik != c.baslik)
                g.sorun = QStringLiteral("başlık \"%1\" değil").arg(c.baslik);
            if (c.incele)
                c.incele(w);
            if (QAbstractButton *b = dugmeBul(w, c.dugme)) {
                g.basilan = c.dugme;
                b->click();
            } else {
                g.sorun = QStringLiteral("\"%1\" düğmesi yok").arg(c.dugme);
                kapat(w);
            }
        }
        m_gorulen.append(g);
    }

    static void kapat(QWidget *w)
    {
        if (auto *d = qobject_cast<QDialog *>(w))
            d->done(QDialog::Rejected);
        else
            w->close();
    }

    QTimer m_zaman;
    QList<Cevap> m_bekleyen;
    QList<Gorulen> m_gorulen;
    QPointer<QWidget> m_son;
    int m_enFazla;
    int m_yoklama = 0;
    bool m_vazgecildi = false;
};
