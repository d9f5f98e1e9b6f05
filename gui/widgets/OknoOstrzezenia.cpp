#include "OknoOstrzezenia.h"

#include "app/Kolory.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace tremida::gui {

OknoOstrzezenia::OknoOstrzezenia(const QString &nazwa, const QString &tytul, const QString &tekst, const QString &lewy,
                                 const QString &prawy, Dalej dalej, const TParKonfig &konfig, QWidget *rodzic)
    : QDialog(rodzic)
{
    setObjectName(nazwa);
    setWindowTitle(tytul);
    setModal(true);
    auto *ikona = new QLabel(this);
    ikona->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(48, 48));
    ikona->setAlignment(Qt::AlignTop);
    m_tekst = new QLabel(tekst, this);
    m_tekst->setTextFormat(Qt::PlainText);
    m_lewy = new QPushButton(lewy, this);
    m_prawy = new QPushButton(prawy, this);
    QPushButton *dalejPrzycisk = dalej == Dalej::Lewy ? m_lewy : m_prawy;
    QPushButton *wstrzymaj = dalej == Dalej::Lewy ? m_prawy : m_lewy;
    wstrzymaj->setDefault(true);
    connect(dalejPrzycisk, &QPushButton::clicked, this, &QDialog::accept);
    connect(wstrzymaj, &QPushButton::clicked, this, &QDialog::reject);

    auto *gora = new QHBoxLayout;
    gora->addWidget(ikona);
    gora->addWidget(m_tekst, 1);
    auto *przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(m_lewy);
    przyciski->addWidget(m_prawy);
    przyciski->addStretch();
    auto *uklad = new QVBoxLayout(this);
    uklad->addLayout(gora);
    uklad->addSpacing(12);
    uklad->addLayout(przyciski);
    zmienKolory(konfig);
}

bool OknoOstrzezenia::zapytaj() { return exec() == QDialog::Accepted; }

void OknoOstrzezenia::zmienKolory(const TParKonfig &konfig)
{
    zastosujKolory(konfig, Rola::Bierne, {m_tekst});
    zastosujKolory(konfig, Rola::Pomocnicze, {m_lewy, m_prawy});
}

} // namespace tremida::gui
