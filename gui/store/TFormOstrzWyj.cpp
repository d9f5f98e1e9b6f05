#include "TFormOstrzWyj.h"

#include "app/Kolory.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace tremida::gui {

TFormOstrzWyj::TFormOstrzWyj(const TParKonfig &konfig, QWidget *rodzic) : QDialog(rodzic)
{
    setObjectName(QStringLiteral("TFormOstrzWyj"));
    setWindowTitle(QStringLiteral("OSTRZEŻENIE PRZED WYJŚCIEM BEZ ZATWIERDZENIA ZMIAN"));
    setModal(true);
    auto *ikona = new QLabel(this);
    ikona->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(48, 48));
    ikona->setAlignment(Qt::AlignTop);
    m_tekst = new QLabel(QStringLiteral("Bieżący rekord jest w trakcie wprowadzania lub edycji, a jego dane nie "
                                        "zostały zatwierdzone.\nWyjście z formularza bez zatwierdzenia zmian "
                                        "spowoduje utratę wprowadzonych danych."),
                         this);
    m_tekst->setTextFormat(Qt::PlainText);
    m_wyjdz = new QPushButton(QStringLiteral("Wyjdź bez zatwierdzenia zmian"), this);
    m_wroc = new QPushButton(QStringLiteral("Wróc do formularza dla zatwierdzenia zmian"), this);
    m_wroc->setDefault(true);
    connect(m_wyjdz, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_wroc, &QPushButton::clicked, this, &QDialog::reject);
    auto *gora = new QHBoxLayout;
    gora->addWidget(ikona);
    gora->addWidget(m_tekst, 1);
    auto *przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(m_wyjdz);
    przyciski->addWidget(m_wroc);
    przyciski->addStretch();
    auto *uklad = new QVBoxLayout(this);
    uklad->addLayout(gora);
    uklad->addSpacing(12);
    uklad->addLayout(przyciski);
    ZmiaKolFormOstrzWyj(konfig);
}

bool TFormOstrzWyj::zapytaj() { return exec() == QDialog::Accepted; }

void TFormOstrzWyj::ZmiaKolFormOstrzWyj(const TParKonfig &konfig)
{
    zastosujKolory(konfig, Rola::Bierne, {m_tekst});
    zastosujKolory(konfig, Rola::Pomocnicze, {m_wyjdz, m_wroc});
}

} // namespace tremida::gui
