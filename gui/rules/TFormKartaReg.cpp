#include "TFormKartaReg.h"

#include "app/Kolory.h"
#include "app/Komunikat.h"
#include "explain/ModelWyjasnien.h"
#include "explain/Wyjasnienia.h"
#include "manual/Instrukcja.h"
#include "widgets/Ekran.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace tremida::gui {

TFormKartaReg::TFormKartaReg(KontekstAplikacji &k, QWidget *rodzic) : QWidget(rodzic, Qt::Window), m_k(k)
{
    setObjectName(QStringLiteral("TFormKartaReg"));
    setWindowTitle(QStringLiteral("KARTA REGUŁY"));
    m_model = new TModelWyjasnien(this);
    m_naglowek = new QLabel(this);
    QFont f = m_naglowek->font();
    f.setBold(true);
    m_naglowek->setFont(f);
    m_naglowek->setWordWrap(true);
    m_drzewo = new QTreeView(this);
    m_drzewo->setObjectName(QStringLiteral("drzewoKarty"));
    m_drzewo->setModel(m_model);
    m_drzewo->setHeaderHidden(true);
    m_drzewo->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_drzewo->header()->setStretchLastSection(false);
    m_drzewo->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_pomoc = new QPushButton(QStringLiteral("Pomoc"), this);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    connect(m_ok, &QPushButton::clicked, this, &QWidget::hide);
    m_k.polaczPomoc(m_pomoc, QString::fromLatin1(pomoc::KartaReg));

    auto *przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(m_pomoc);
    przyciski->addWidget(m_ok);
    auto *uklad = new QVBoxLayout(this);
    uklad->addWidget(m_naglowek);
    uklad->addWidget(m_drzewo, 1);
    uklad->addLayout(przyciski);
    resize(900, 650);

    ZmiaKolFormKartaReg(k.konfig);
    connect(&k, &KontekstAplikacji::koloryZmienione, this, [this] { ZmiaKolFormKartaReg(m_k.konfig); });
}

bool TFormKartaReg::pokaz(int idReg)
{
    const TWynikWyjasnienia w = wyjasnienia::kartaReguly(m_k.baza, m_k.konfig, idReg);
    if (w.blad) {
        pokazKomunikat(*w.blad, parentWidget());
        return false;
    }
    m_naglowek->setText(w.drzewa.first().tekst);
    m_model->ustaw(w.drzewa.first().dzieci);
    m_drzewo->expandAll();
    show();
    raise();
    activateWindow();
    return true;
}

void TFormKartaReg::ZmiaKolFormKartaReg(const TParKonfig &k)
{
    zastosujKolory(k, Rola::Bierne, {m_naglowek, m_drzewo});
    zastosujKolory(k, Rola::Pomocnicze, {m_pomoc, m_ok});
}

} // namespace tremida::gui
