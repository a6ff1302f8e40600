#include "catalogue/tonaysip.h"

#include <QFontDatabase>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TONAYSIP::TONAYSIP(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TONAYSIP"));
    setWindowTitle(QStringLiteral("Sipariş Onay"));
    setModal(true);

    auto *dikey = new QVBoxLayout(this);
    dikey->setContentsMargins(12, 12, 12, 12);
    dikey->setSpacing(10);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setFrameShadow(QFrame::Sunken);
    auto *cerceve = new QVBoxLayout(Panel1);
    cerceve->setContentsMargins(10, 8, 10, 8);
    Label2 = new QLabel(Panel1);
    Label2->setObjectName(QStringLiteral("Label2"));
    // Fixed pitch, so that the padded prefixes line up.
    QFont sabit = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    sabit.setStyleHint(QFont::TypeWriter);
    sabit.setFixedPitch(true);
    sabit.setBold(true);
    sabit.setPixelSize(14);
    Label2->setFont(sabit);
    Label2->setTextFormat(Qt::PlainText);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cerceve->addWidget(Label2);
    dikey->addWidget(Panel1);

    Label1 = new QLabel(QStringLiteral("Yukarıda bilgileri verilen siparişi onaylıyor musunuz ?"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont buyuk = Label1->font();
    buyuk.setBold(true);
    buyuk.setPixelSize(18);
    Label1->setFont(buyuk);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    dikey->addWidget(Label1);

    auto *dugmeler = new QHBoxLayout;
    Button1 = new QPushButton(QStringLiteral("Evet"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("Hayır"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    for (QPushButton *d : { Button1, Button2 })
        d->setMinimumSize(110, 34);
    dugmeler->addWidget(Button1);
    dugmeler->addStretch(1);
    dugmeler->addWidget(Button2);
    dikey->addLayout(dugmeler);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TONAYSIP::setOzet(const QString &ozet)
{
    QString metin = ozet;
    metin.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Label2->setText(metin);
    adjustSize();
    setMinimumWidth(qMax(width(), 460));
}

void TONAYSIP::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QWidget *ana = parentWidget() ? parentWidget()->window() : nullptr) {
        QRect alan = frameGeometry();
        alan.moveCenter(ana->frameGeometry().center());
        move(alan.topLeft());
    }
}
