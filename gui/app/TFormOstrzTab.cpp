#include "TFormOstrzTab.h"

#include "Kolory.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace tremida::gui {

TFormOstrzTab::TFormOstrzTab(Tabela tabela, const TParKonfig &konfig, QWidget *rodzic) : QDialog(rodzic)
{
    setWindowTitle(QStringLiteral("OSTRZEŻENIE"));
    setModal(true);
    const OpisTabeli &o = opisTabeli(tabela);
    setObjectName(QStringLiteral("TFormOstrzTab_") + o.nazwa);

    auto *ikona = new QLabel(this);
    ikona->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(48, 48));
    ikona->setAlignment(Qt::AlignTop);
    m_tekst = new QLabel(o.ostrzezenie.join(u'\n'), this);
    m_tekst->setTextFormat(Qt::PlainText);
    m_tekst->setObjectName(QStringLiteral("tekstOstrzezenia"));
    m_kontynuuj = new QPushButton(QStringLiteral("Kontynuuj realizację opcji"), this);
    m_anuluj = new QPushButton(QStringLiteral("Anuluj realizację opcji"), this);
    m_anuluj->setDefault(true);
    connect(m_kontynuuj, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_anuluj, &QPushButton::clicked, this, &QDialog::reject);

    auto *gora = new QHBoxLayout;
    gora->addWidget(ikona);
    gora->addWidget(m_tekst, 1);
    auto *przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(m_kontynuuj);
    przyciski->addWidget(m_anuluj);
    przyciski->addStretch();
    auto *uklad = new QVBoxLayout(this);
    uklad->addLayout(gora);
    uklad->addSpacing(12);
    uklad->addLayout(przyciski);
    ZmiaKolFormOstrzTab(konfig);
}

bool TFormOstrzTab::zapytaj() { return exec() == QDialog::Accepted; }

QString TFormOstrzTab::tekst() const { return m_tekst->text(); }

void TFormOstrzTab::ZmiaKolFormOstrzTab(const TParKonfig &konfig)
{
    zastosujKolory(konfig, Rola::Bierne, {m_tekst});
    zastosujKolory(konfig, Rola::Pomocnicze, {m_kontynuuj, m_anuluj});
}

} // namespace tremida::gui
