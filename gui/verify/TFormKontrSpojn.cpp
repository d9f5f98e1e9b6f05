#include "TFormKontrSpojn.h"

#include "app/Kolory.h"
#include "app/Komunikat.h"
#include "app/KontekstAplikacji.h"
#include "inference/TWyborPliku.h"
#include "manual/Instrukcja.h"
#include "verify/KontrSpojn.h"

#include "widgets/Ekran.h"

#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tremida::gui {

TFormKontrSpojn::TFormKontrSpojn(KontekstAplikacji &kontekst, QWidget *rodzic)
    : OknoKontekstu(kontekst, QStringLiteral("TFormKontrSpojn"),
                    QStringLiteral("KONTROLA SPÓJNOŚCI BAZY DANYCH SYSTEMU TREMIDA"), rodzic)
{
    m_zapis = new QCheckBox(QStringLiteral("Zaznacz, jeśli błędy stwierdzone w bazie danych mają zostać zapisane do "
                                           "pliku tekstowego o nazwie wyspecyfikowanej poniżej"));
    m_tytulPliku = new QLabel(QStringLiteral("ZAPIS BŁĘDÓW DO PLIKU TEKSTOWEGO"));
    m_wybor = new TWyborPliku;
    m_etNazwa = new QLabel(QStringLiteral("Nazwa pliku:"));
    m_nazwa = new QLineEdit;
    m_kontrolkiPliku = new QWidget;
    auto *up = new QVBoxLayout(m_kontrolkiPliku);
    up->setContentsMargins(0, 0, 0, 0);
    up->addWidget(m_wybor, 1);
    auto *un = new QHBoxLayout;
    un->addWidget(m_etNazwa);
    un->addWidget(m_nazwa, 1);
    up->addLayout(un);

    m_tytulMemo = new QLabel(QStringLiteral("ZAPIS BŁĘDÓW DO KOMPONENTU MEMO"));
    m_memo = new QPlainTextEdit;
    m_memo->setReadOnly(true);
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_etPostep = new QLabel(QStringLiteral("Postęp procesu kontroli:"));
    m_pasek = new QProgressBar;
    m_ok = new QLineEdit;
    m_ok->setReadOnly(true);
    m_ok->setMaximumWidth(60);
    m_start = new QPushButton(QStringLiteral("Start procesu kontroli i zapis stwierdzonych błędów"));
    m_przerwij = new QPushButton(QStringLiteral("Przerwij proces kontroli"));
    m_przyciskOk = new QPushButton(QStringLiteral("OK"));
    m_pomoc = new QPushButton(QStringLiteral("Pomoc"));

    auto *uklad = ukladPrzewijany(this);
    uklad->addWidget(m_zapis);
    uklad->addWidget(m_tytulPliku);
    uklad->addWidget(m_kontrolkiPliku, 2);
    uklad->addWidget(m_tytulMemo);
    uklad->addWidget(m_memo, 3);
    auto *postep = new QHBoxLayout;
    postep->addWidget(m_etPostep);
    postep->addWidget(m_pasek, 1);
    postep->addWidget(m_ok);
    uklad->addLayout(postep);
    auto *przyciski = new QHBoxLayout;
    przyciski->addWidget(m_start);
    przyciski->addWidget(m_przerwij);
    przyciski->addStretch(1);
    przyciski->addWidget(m_przyciskOk);
    przyciski->addWidget(m_pomoc);
    uklad->addLayout(przyciski);
    resize(900, 640);

    connect(m_zapis, &QCheckBox::toggled, this, [this](bool z) {
        m_tytulPliku->setVisible(z);
        m_kontrolkiPliku->setVisible(z);
    });
    connect(m_wybor, &TWyborPliku::plikWybrany, m_nazwa, &QLineEdit::setText);
    connect(m_wybor, &TWyborPliku::folderZmieniony, this, &TFormKontrSpojn::zmienionoFolder);
    connect(m_start, &QPushButton::clicked, this, &TFormKontrSpojn::start);
    // The check runs to its end without yielding, so there is nothing to interrupt.
    connect(m_przerwij, &QPushButton::clicked, this, [] {});
    connect(m_przyciskOk, &QPushButton::clicked, this, &QWidget::hide);
    m_kontekst.polaczPomoc(m_pomoc, QString::fromLatin1(pomoc::KontrSpojnBazy));
    kolorujZawsze(&TFormKontrSpojn::ZmiaKolFormKontrSpojn);
}

void TFormKontrSpojn::ZmiaKolFormKontrSpojn()
{
    const TParKonfig &k = m_kontekst.konfig;
    zastosujKolory(k, Rola::Pomocnicze, {m_zapis, m_tytulPliku, m_wybor->foldery(), m_wybor->pliki(), m_wybor->filtr(),
                                         m_wybor->naped(), m_wybor->etykietaFolderu(), m_etNazwa, m_nazwa, m_start,
                                         m_przerwij, m_przyciskOk, m_pomoc});
    zastosujKolory(k, Rola::Bierne, {m_tytulMemo, m_memo, m_etPostep, m_ok});
}

void TFormKontrSpojn::otworz()
{
    const QString folder = m_kontekst.baza.folder().isEmpty() ? m_kontekst.folder : m_kontekst.baza.folder();
    m_zapis->setChecked(true);
    m_tytulPliku->show();
    m_kontrolkiPliku->show();
    m_wybor->ustawFolder(folder);
    m_nazwa->setText(m_wybor->sciezka(NazwaPlikuBledow));
    m_pasek->setRange(0, 1);
    m_pasek->setValue(0);
    m_ok->clear();
    show();
    raise();
    activateWindow();
}

void TFormKontrSpojn::zmienionoFolder(const QString &folder)
{
    // The name part of the field stays; the new folder goes in front of it.
    const QString nazwa = QDir::fromNativeSeparators(m_nazwa->text()).section(u'/', -1);
    m_nazwa->setText(QDir(folder).filePath(nazwa));
}

void TFormKontrSpojn::start()
{
    m_memo->clear();
    m_ok->clear();
    TWidokSpojn widok;
    widok.postep = [this](int pozycja, int maksimum) {
        m_pasek->setRange(0, std::max(maksimum, 1));
        m_pasek->setValue(pozycja);
        m_pasek->repaint();
    };
    widok.linia = [this](const QString &l) { m_memo->appendPlainText(l); };
    widok.komunikat = [this](const QString &t) { pokazKomunikat(t, this); };
    widok.ok = [this] { m_ok->setText(QStringLiteral("OK")); };
    KontrolaSpojnosciBazy(m_kontekst.baza, m_kontekst.konfig, m_zapis->isChecked() ? m_nazwa->text() : QString(),
                          widok);
    // The error file just written appears in the folder's file list.
    m_wybor->ustawFolder(m_wybor->folder());
}

} // namespace tremida::gui
