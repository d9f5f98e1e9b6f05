#include "TFormWeryf.h"

#include "app/Kolory.h"
#include "app/Komunikat.h"
#include "app/KontekstAplikacji.h"
#include "manual/Instrukcja.h"
#include "verify/WeryfBazy.h"

#include <QGridLayout>
#include <QProgressBar>
#include <QVBoxLayout>

namespace tremida::gui {

TFormWeryf::TFormWeryf(KontekstAplikacji &kontekst, QWidget *rodzic)
    : OknoKontekstu(kontekst, QStringLiteral("TFormWeryf"),
                    QStringLiteral("WERYFIKACJA BAZY WIEDZY"), rodzic)
{
    m_tytul = new QLabel(QStringLiteral("WERYFIKACJA BAZY WIEDZY"));
    QFont f = m_tytul->font();
    f.setBold(true);
    m_tytul->setFont(f);
    auto *wiersze = new QGridLayout;
    const PrzebiegWeryf przebiegi[] = {PrzebiegWeryf::Fakty, PrzebiegWeryf::Stale, PrzebiegWeryf::Reguly};
    for (int i = 0; i < 3; ++i) {
        m_et[i] = new QLabel(opisPrzebiegu(przebiegi[i], true));
        m_pasek[i] = new QProgressBar;
        m_pasek[i]->setRange(0, 1);
        m_pasek[i]->setValue(0);
        m_ok[i] = new QLineEdit;
        m_ok[i]->setReadOnly(true);
        m_ok[i]->setMaximumWidth(60);
        wiersze->addWidget(m_et[i], i, 0);
        wiersze->addWidget(m_pasek[i], i, 1);
        wiersze->addWidget(m_ok[i], i, 2);
    }
    wiersze->setColumnStretch(1, 1);
    m_start = new QPushButton(QStringLiteral("Start weryfikacji"));
    m_zatrzymaj = new QPushButton(QStringLiteral("Zatrzymaj i wyjdź z procesu weryfikacji"));
    m_anuluj = new QPushButton(QStringLiteral("Anuluj opcję"));
    m_przyciskOk = new QPushButton(QStringLiteral("OK"));
    m_pomoc = new QPushButton(QStringLiteral("Pomoc"));
    auto *przyciski = new QHBoxLayout;
    for (QPushButton *p : {m_start, m_zatrzymaj, m_anuluj})
        przyciski->addWidget(p);
    przyciski->addStretch(1);
    przyciski->addWidget(m_przyciskOk);
    przyciski->addWidget(m_pomoc);

    auto *uklad = new QVBoxLayout(this);
    uklad->addWidget(m_tytul);
    uklad->addLayout(m_pola.utworz());
    uklad->addSpacing(8);
    uklad->addLayout(wiersze);
    uklad->addStretch(1);
    uklad->addLayout(przyciski);
    resize(760, 260);

    connect(m_start, &QPushButton::clicked, this, &TFormWeryf::start);
    connect(m_zatrzymaj, &QPushButton::clicked, this, [this] { przyciskiPoPrzebiegu(false); });
    connect(m_anuluj, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_przyciskOk, &QPushButton::clicked, this, [this] {
        if (poZweryfikowaniu)
            poZweryfikowaniu(m_kodSyst);
        hide();
        pokazKomunikat(komunikatBazaZweryfikowana(), parentWidget());
    });
    m_kontekst.polaczPomoc(m_pomoc, QString::fromLatin1(pomoc::WeryfBazy));
    kolorujZawsze(&TFormWeryf::ZmiaKolFormWeryf);
}

void TFormWeryf::ZmiaKolFormWeryf()
{
    const TParKonfig &k = m_kontekst.konfig;
    zastosujKolory(k, Rola::Bierne, {m_tytul, m_pola.etKod, m_pola.kod, m_pola.etNazwa, m_pola.nazwa});
    for (int i = 0; i < 3; ++i)
        zastosujKolory(k, Rola::Bierne, {m_et[i], m_ok[i]});
    zastosujKolory(k, Rola::Pomocnicze, {m_start, m_zatrzymaj, m_anuluj, m_przyciskOk, m_pomoc});
}

void TFormWeryf::przygotuj(int kodSyst, const QString &nazSyst, bool pelna)
{
    m_kodSyst = kodSyst;
    m_pelna = pelna;
    m_pola.ustaw(kodSyst, nazSyst);
    const PrzebiegWeryf przebiegi[] = {PrzebiegWeryf::Fakty, PrzebiegWeryf::Stale, PrzebiegWeryf::Reguly};
    for (int i = 0; i < 3; ++i) {
        const bool widoczny = pelna || i == 0;
        m_et[i]->setText(opisPrzebiegu(przebiegi[i], pelna));
        m_pasek[i]->setRange(0, 1);
        m_pasek[i]->setValue(0);
        m_ok[i]->clear();
        for (QWidget *w : {static_cast<QWidget *>(m_et[i]), static_cast<QWidget *>(m_pasek[i]),
                           static_cast<QWidget *>(m_ok[i])})
            w->setVisible(widoczny);
    }
    m_anuluj->show();
    m_start->show();
    m_przyciskOk->hide();
    m_zatrzymaj->hide();
    show();
    raise();
    activateWindow();
}

void TFormWeryf::przyciskiPoPrzebiegu(bool zOk)
{
    m_anuluj->show();
    m_start->show();
    m_przyciskOk->setVisible(zOk);
    m_zatrzymaj->hide();
}

void TFormWeryf::start()
{
    m_anuluj->hide();
    m_przyciskOk->hide();
    m_start->hide();
    m_zatrzymaj->show();
    for (int i = 0; i < 3; ++i) {
        m_pasek[i]->setRange(0, 1);
        m_pasek[i]->setValue(0);
        m_ok[i]->clear();
    }
    TWidokWeryf widok;
    widok.komunikat = [this](const QString &t) { pokazKomunikat(t, this); };
    widok.postep = [this](PrzebiegWeryf p, int pozycja, int maksimum) {
        QProgressBar *pasek = m_pasek[int(p)];
        pasek->setRange(0, std::max(maksimum, 1));
        pasek->setValue(pozycja);
        pasek->repaint();
    };
    widok.ok = [this](PrzebiegWeryf p) {
        m_ok[int(p)]->setText(QStringLiteral("OK"));
        m_ok[int(p)]->repaint();
    };
    const TWynikWeryf wynik = WeryfikujBazeWiedzy(m_kontekst.baza, m_kontekst.konfig, m_kodSyst, m_pelna, widok);
    if (wynik.czysta) {
        przyciskiPoPrzebiegu(true);
        return;
    }
    hide();
    if (poNieudanej)
        poNieudanej(m_kodSyst);
}

} // namespace tremida::gui
