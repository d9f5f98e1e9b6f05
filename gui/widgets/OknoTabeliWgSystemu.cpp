#include "OknoTabeliWgSystemu.h"

#include "widgets/Ekran.h"
#include "widgets/Kontrolki.h"

#include <QVBoxLayout>

namespace tremida::gui {

OknoTabeliWgSystemu::OknoTabeliWgSystemu(KontekstAplikacji &k, const QString &nazwa, const QString &tytul,
                                         const QString &stronaPomocy, Tabela tabela, QWidget *rodzic)
    : OknoTabeli(k, nazwa, tytul, stronaPomocy, rodzic), m_rekordy(new ZbiorDanych(k.baza, tabela, this))
{
    ustawZbioryStrzezone({m_rekordy});
}

void OknoTabeliWgSystemu::utworzPrzegladanie(const QString &podpis, const QString &wszystkich, const QString &systemu,
                                             int wysokoscSiatkiSystemow, int wysokoscSiatki)
{
    m_wgSyst = new WidokWgSystemu(this, m_rekordy, podpis, wszystkich, systemu, wysokoscSiatkiSystemow);
    connect(m_wgSyst->grupa(), &GrupaRadiowa::wybrano, this,
            [this, wszystkich](const QString &w) { ustawWidokWszystkich(w == wszystkich); });
    m_siatka = new Siatka(m_rekordy, this);
    m_siatka->setMinimumHeight(wysokoscSiatki);
    m_naw = new Nawigator(m_rekordy, Nawigator::wszystkie(), this);
    connect(m_naw, &Nawigator::poAkcji, this, [this](PrzyciskNaw p) { poAkcjiNawigatora(p); });
    connect(m_rekordy, &ZbiorDanych::przewiniety, this, [this] {
        if (m_rekordy->stan() == StanZbioru::Wstawianie)
            return;
        pokazDate(m_data, m_rekordy);
        poPrzewinieciu();
    });
}

QVBoxLayout *OknoTabeliWgSystemu::ulozPrzegladanie()
{
    auto *uklad = ukladPrzewijany(this);
    uklad->addWidget(m_wgSyst->grupa());
    uklad->addWidget(m_wgSyst->panel());
    uklad->addWidget(m_siatka, 1);
    uklad->addWidget(m_naw);
    return uklad;
}

bool OknoTabeliWgSystemu::widokWszystkich() const { return m_wgSyst->wszystkie(); }

void OknoTabeliWgSystemu::otworz()
{
    if (m_rekordy->czyEdycjaLubWstawianie()) {
        show();
        raise();
        return;
    }
    m_rekordy->ustawNaglowki(naglowkiRekordow());
    przedOtwarciem();
    m_wgSyst->otworz();
    show();
    raise();
    activateWindow();
}

void OknoTabeliWgSystemu::zamknijZbiory()
{
    m_wgSyst->zamknij();
}

void OknoTabeliWgSystemu::ustawWidokWszystkich(bool wszystkie)
{
    if (!m_wgSyst->przelacz(wszystkie))
        return;
    poZmianieWidoku(wszystkie);
    m_wgSyst->czytajRekordy();
}

} // namespace tremida::gui
