#include "WidokWgSystemu.h"

#include "Kontrolki.h"
#include "Nawigator.h"
#include "OknoTabeli.h"
#include "ZbiorDanych.h"

#include "store/Baza.h"
#include "store/NaglowkiKolumn.h"
#include "WierszPol.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace tremida::gui {

WidokWgSystemu::WidokWgSystemu(OknoTabeli *okno, ZbiorDanych *rekordy, const QString &podpis,
                               const QString &wszystkich, const QString &systemu, int wysokoscSiatki)
    : QObject(okno), m_rekordy(rekordy), m_wszystkich(wszystkich), m_systemu(systemu)
{
    m_syst = OknoTabeli::zbiorSystemow(rekordy->baza(), this);

    m_widok = OknoTabeli::grupaWidoku(podpis, {wszystkich, systemu}, systemu, okno);

    m_panel = new QWidget(okno);
    m_lKod = OknoTabeli::etykieta(QStringLiteral("Kod systemu:"), m_panel);
    m_lNazwa = OknoTabeli::etykieta(QStringLiteral("Nazwa systemu:"), m_panel);
    m_kod = OknoTabeli::pole(m_panel, QStringLiteral("wybranyKodSyst"), 80, true);
    m_nazwa = OknoTabeli::pole(m_panel, QStringLiteral("wybranaNazSyst"), 0, true);
    powiaz(m_kod, m_syst, QStringLiteral("IdSyst"), true);
    powiaz(m_nazwa, m_syst, QStringLiteral("NazSyst"), true);
    m_siatka = new Siatka(m_syst, m_panel);
    m_siatka->setMaximumHeight(wysokoscSiatki);
    m_nawigator = new Nawigator(m_syst, Nawigator::przemieszczanie(), m_panel);
    auto *u = new QGridLayout(m_panel);
    u->setContentsMargins(0, 0, 0, 0);
    wierszPol(u, 0, 0, {m_lKod, m_kod, m_lNazwa, m_nazwa});
    u->addWidget(m_nawigator, 0, 4);
    u->addWidget(m_siatka, 1, 0, 1, 5);
    u->setColumnStretch(3, 1);

    // The chosen knowledge base cannot change under a record being typed.
    OknoTabeli::blokujPodczasZmiany(m_rekordy, {m_panel, m_widok}, this);
    connect(m_syst, &ZbiorDanych::przewiniety, this, [this] {
        if (!wszystkie() && m_syst->czyOtwarty())
            czytajRekordy();
    });
}

bool WidokWgSystemu::wszystkie() const { return m_widok->wybor() == m_wszystkich; }

QVariant WidokWgSystemu::idSyst() const { return m_syst->wartosc(QStringLiteral("IdSyst")); }

bool WidokWgSystemu::przelacz(bool wszystkie)
{
    if (m_rekordy->czyEdycjaLubWstawianie() && !m_rekordy->zatwierdz()) {
        m_widok->ustawWybor(wszystkie ? m_systemu : m_wszystkich);
        return false;
    }
    m_widok->ustawWybor(wszystkie ? m_wszystkich : m_systemu);
    m_panel->setVisible(!wszystkie);
    return true;
}

void WidokWgSystemu::czytajRekordy()
{
    if (m_rekordy->czyEdycjaLubWstawianie() && !m_rekordy->zatwierdz())
        return;
    const OpisTabeli &o = opisTabeli(m_rekordy->tabela());
    if (wszystkie())
        m_rekordy->ustawZapytanie(QStringLiteral("SELECT * FROM %1 ORDER BY %2").arg(o.nazwa, o.kluczGlowny));
    else
        m_rekordy->ustawZapytanie(
            QStringLiteral("SELECT * FROM %1 WHERE KodSyst=:ParIdSyst ORDER BY %2").arg(o.nazwa, o.kluczGlowny),
            {{QStringLiteral("ParIdSyst"), idSyst()}});
    m_rekordy->otworz();
}

void WidokWgSystemu::otworz()
{
    m_syst->ustawNaglowki(naglowkiKolumnSyst());
    if (!m_rekordy->czyOtwarty()) {
        m_rekordy->baza().zajmij(Tabela::Systemy);
        m_rekordy->baza().zajmij(m_rekordy->tabela());
    }
    m_widok->ustawWybor(m_systemu);
    m_panel->show();
    m_syst->otworz(); // reads the records of the first knowledge base
    if (!m_rekordy->czyOtwarty())
        czytajRekordy();
}

void WidokWgSystemu::zamknij()
{
    if (m_rekordy->czyOtwarty() || m_syst->czyOtwarty()) {
        m_rekordy->baza().zwolnij(Tabela::Systemy);
        m_rekordy->baza().zwolnij(m_rekordy->tabela());
    }
    m_rekordy->zamknij();
    m_syst->zamknij();
}

} // namespace tremida::gui
