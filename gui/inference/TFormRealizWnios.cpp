#include "TFormRealizWnios.h"

#include "app/Kolory.h"
#include "app/KontekstAplikacji.h"
#include "manual/Instrukcja.h"

#include "widgets/Ekran.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace tremida::gui {

TFormRealizWnios::TFormRealizWnios(KontekstAplikacji &kontekst, QWidget *rodzic)
    : OknoKontekstu(kontekst, QStringLiteral("TFormRealizWnios"),
                    QStringLiteral("REALIZACJA PROCESU WNIOSKOWANIA"), rodzic)
{
    m_tytul = new QLabel(QStringLiteral("SYSTEM EKSPERCKI (BAZA WIEDZY), W RAMACH KTÓREGO REALIZOWANY JEST PROCES "
                                        "WNIOSKOWANIA"));
    m_tytul->setWordWrap(true);
    m_tytulOpisu = new QLabel(QStringLiteral("PARAMETRY OPISOWE PROCESU WNIOSKOWANIA"));
    auto *siatkaOpisu = new QGridLayout;
    for (int i = 0; i < 10; ++i) {
        m_opis[i] = new QLineEdit;
        m_opis[i]->setObjectName(QStringLiteral("opis%1").arg(i + 1));
        siatkaOpisu->addWidget(m_opis[i], i / 2, i % 2);
    }
    m_wPrzod = new QPushButton(QStringLiteral("Organizuj wnioskowanie w przód"));
    m_wstecz = new QPushButton(QStringLiteral("Organizuj wnioskowanie wstecz"));
    m_miesz = new QPushButton(QStringLiteral("Organizuj wnioskowanie mieszane"));
    m_anuluj = new QPushButton(QStringLiteral("Anuluj opcję"));
    m_ok = new QPushButton(QStringLiteral("OK"));
    m_pomoc = new QPushButton(QStringLiteral("Pomoc"));

    auto *metody = new QHBoxLayout;
    metody->addWidget(m_wPrzod);
    metody->addWidget(m_wstecz);
    metody->addWidget(m_miesz);
    auto *przyciski = new QHBoxLayout;
    przyciski->addStretch(1);
    przyciski->addWidget(m_anuluj);
    przyciski->addWidget(m_ok);
    przyciski->addWidget(m_pomoc);
    auto *uklad = ukladPrzewijany(this);
    uklad->addWidget(m_tytul);
    uklad->addLayout(m_pola.utworz());
    uklad->addSpacing(8);
    uklad->addWidget(m_tytulOpisu);
    uklad->addLayout(siatkaOpisu);
    uklad->addSpacing(8);
    uklad->addLayout(metody);
    uklad->addStretch(1);
    uklad->addLayout(przyciski);
    resize(820, 380);

    connect(m_wPrzod, &QPushButton::clicked, this, [this] { if (organizujWPrzod) organizujWPrzod(); });
    connect(m_wstecz, &QPushButton::clicked, this, [this] { if (organizujWstecz) organizujWstecz(); });
    connect(m_miesz, &QPushButton::clicked, this, [this] { if (organizujMiesz) organizujMiesz(); });
    connect(m_anuluj, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_ok, &QPushButton::clicked, this, &QWidget::hide);
    m_kontekst.polaczPomoc(m_pomoc, QString::fromLatin1(pomoc::RodzajeWnios));
    kolorujZawsze(&TFormRealizWnios::ZmiaKolFormRealizWnios);
}

void TFormRealizWnios::ZmiaKolFormRealizWnios()
{
    const TParKonfig &k = m_kontekst.konfig;
    zastosujKolory(k, Rola::Bierne, {m_tytul, m_pola.etKod, m_pola.kod, m_pola.etNazwa, m_pola.nazwa});
    for (QLineEdit *e : m_opis)
        zastosujKolory(k, Rola::Pomocnicze, {e});
    zastosujKolory(k, Rola::Pomocnicze, {m_tytulOpisu, m_wPrzod, m_wstecz, m_miesz, m_anuluj, m_ok, m_pomoc});
}

void TFormRealizWnios::wypelnij(int kodSyst, const QString &nazSyst, const std::array<QString, 10> &linie)
{
    m_pola.ustaw(kodSyst, nazSyst);
    for (int i = 0; i < 10; ++i)
        m_opis[i]->setText(linie[i]);
}

} // namespace tremida::gui
