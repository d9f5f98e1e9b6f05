#include "TFormCzytFakt.h"

#include "TWyborPliku.h"
#include "app/Kolory.h"
#include "app/Komunikat.h"
#include "app/KontekstAplikacji.h"
#include "inference/CzytFaktPlik.h"
#include "manual/Instrukcja.h"

#include "widgets/Ekran.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tremida::gui {

TFormCzytFakt::TFormCzytFakt(KontekstAplikacji &kontekst, TSesjaWnios &sesja, QWidget *rodzic)
    : OknoKontekstu(kontekst, QStringLiteral("TFormCzytFakt"),
                    QStringLiteral("CZYTANIE WARTOŚCI FAKTÓW WPROWADZANYCH Z PLIKU TEKSTOWEGO"), rodzic), m_sesja(sesja)
{
    m_wybor = new TWyborPliku;
    m_etPlik = new QLabel(QStringLiteral("Nazwa pliku:"));
    m_etSciezka = new QLabel(QStringLiteral("Plik wraz ze ścieżką dostępu:"));
    m_sciezka = new QLineEdit;
    m_sciezka->setReadOnly(true);
    m_czytaj = new QPushButton(QStringLiteral("Czytaj wartości wprowadzanych faktów z pliku, a następnie wyjdź z "
                                              "formularza"));
    m_anuluj = new QPushButton(QStringLiteral("Anuluj opcję i wyjdź z formularza"));
    m_pomoc = new QPushButton(QStringLiteral("Pomoc"));

    auto *uklad = ukladPrzewijany(this);
    uklad->addWidget(m_etPlik);
    uklad->addWidget(m_wybor, 1);
    uklad->addWidget(m_etSciezka);
    uklad->addWidget(m_sciezka);
    auto *przyciski = new QHBoxLayout;
    przyciski->addWidget(m_czytaj);
    przyciski->addWidget(m_anuluj);
    przyciski->addStretch(1);
    przyciski->addWidget(m_pomoc);
    uklad->addLayout(przyciski);
    resize(760, 460);

    connect(m_wybor, &TWyborPliku::plikWybrany, m_sciezka, &QLineEdit::setText);
    connect(m_wybor, &TWyborPliku::folderZmieniony, m_sciezka, &QLineEdit::clear);
    connect(m_czytaj, &QPushButton::clicked, this, &TFormCzytFakt::czytaj);
    connect(m_anuluj, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_pomoc, &QPushButton::clicked, this, [this] {
        if (m_kontekst.pokazStroneInstrukcji)
            m_kontekst.pokazStroneInstrukcji(QString::fromLatin1(pomoc::CzytFaktPlik));
    });
    kolorujZawsze(&TFormCzytFakt::ZmiaKolFormCzytFakt);
}

void TFormCzytFakt::ZmiaKolFormCzytFakt()
{
    const TParKonfig &k = m_kontekst.konfig;
    zastosujKolory(k, Rola::Pomocnicze, {m_wybor->foldery(), m_wybor->pliki(), m_wybor->filtr(), m_wybor->naped(),
                                         m_wybor->etykietaFolderu(), m_etPlik, m_czytaj, m_anuluj, m_pomoc});
    zastosujKolory(k, Rola::Bierne, {m_etSciezka, m_sciezka});
}

void TFormCzytFakt::otworz()
{
    m_wybor->ustawFolder(m_kontekst.baza.folder().isEmpty() ? m_kontekst.folder : m_kontekst.baza.folder());
    m_sciezka->clear();
    show();
    raise();
    activateWindow();
}

void TFormCzytFakt::czytaj()
{
    const PokazKomunikat pokaz = [this](const QString &t) { pokazKomunikat(t, this); };
    // The window is hidden before the final message.
    CzytajWartFaktPlik(m_kontekst.baza, m_sciezka->text(), m_sesja.KodSyst, m_sesja, pokaz, [this] { hide(); });
}

} // namespace tremida::gui
