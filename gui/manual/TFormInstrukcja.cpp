#include "TFormInstrukcja.h"

#include "app/Kolory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <QTableWidget>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace tremida::gui {

namespace {

QString nazwaObiektu(KierunekStrony k)
{
    switch (k) {
    case KierunekStrony::NastPodrozdz: return QStringLiteral("przyciskNastPodrozdz");
    case KierunekStrony::PoprzPodrozdz: return QStringLiteral("przyciskPoprzPodrozdz");
    case KierunekStrony::NastRozdz: return QStringLiteral("przyciskNastRozdz");
    case KierunekStrony::PoprzRozdz: return QStringLiteral("przyciskPoprzRozdz");
    }
    return {};
}

// A small picture for the "Image" sample: the program's rule tree.
QPixmap obrazekPrzykladowy()
{
    QPixmap p(48, 48);
    p.fill(Qt::white);
    QPainter m(&p);
    m.setRenderHint(QPainter::Antialiasing);
    m.setPen(QPen(QColor(0, 0, 128), 2));
    m.drawLine(24, 8, 10, 28);
    m.drawLine(24, 8, 38, 28);
    m.drawLine(10, 28, 6, 42);
    m.drawLine(10, 28, 18, 42);
    m.setBrush(QColor(200, 0, 0));
    for (const QPoint &w : {QPoint(24, 8), QPoint(10, 28), QPoint(38, 28), QPoint(6, 42), QPoint(18, 42)})
        m.drawEllipse(w, 4, 4);
    return p;
}

QListWidget *lista(const QStringList &pozycje, QWidget *rodzic)
{
    auto *l = new QListWidget(rodzic);
    l->addItems(pozycje);
    l->setMaximumHeight(70);
    return l;
}

QComboBox *listaRozwijana(const QStringList &pozycje, QWidget *rodzic)
{
    auto *c = new QComboBox(rodzic);
    c->addItems(pozycje);
    return c;
}

} // namespace

TFormInstrukcja::TFormInstrukcja(const QString &numer, const TParKonfig &konfig, QWidget *rodzic)
    : QWidget(rodzic, Qt::Window), m_numer(numer)
{
    const StronaInstrukcji *strona = stronaInstrukcji(numer);
    Q_ASSERT(strona);
    setWindowTitle(QStringLiteral("INSTRUKCJA PROGRAMU"));
    setObjectName(QStringLiteral("TFormInstrukcja_") + m_numer);

    m_rozdzial = new QLabel(tremida::tytulRozdzialu(strona->rozdzial), this);
    m_rozdzial->setObjectName(QStringLiteral("etykietaRozdzialu"));
    QFont f = m_rozdzial->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 2);
    m_rozdzial->setFont(f);
    m_rozdzial->setWordWrap(true);
    m_podrozdzial = new QLabel(strona->rozdzial == 0 ? QString() : strona->tytulNaStronie, this);
    m_podrozdzial->setObjectName(QStringLiteral("etykietaPodrozdzialu"));
    f.setPointSize(f.pointSize() - 1);
    m_podrozdzial->setFont(f);
    m_podrozdzial->setWordWrap(true);
    m_podrozdzial->setVisible(strona->rozdzial != 0);

    m_tekst = new QPlainTextEdit(this);
    m_tekst->setObjectName(QStringLiteral("tekst"));
    m_tekst->setReadOnly(true);
    m_tekst->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_tekst->setPlainText(tekstStrony(m_numer));

    m_etykietaSzukaj = new QLabel(QStringLiteral("Szukaj w tekście:"), this);
    m_szukaj = new QLineEdit(this);
    m_szukaj->setObjectName(QStringLiteral("poleSzukania"));
    m_etykietaSzukaj->setBuddy(m_szukaj);
    m_znajdz = new QPushButton(QStringLiteral("Znajdź dalej"), this);
    m_znajdz->setObjectName(QStringLiteral("przyciskZnajdz"));
    m_wynikSzukania = new QLabel(this);
    m_wynikSzukania->setObjectName(QStringLiteral("wynikSzukania"));
    connect(m_znajdz, &QPushButton::clicked, this, &TFormInstrukcja::znajdzDalej);
    connect(m_szukaj, &QLineEdit::returnPressed, this, &TFormInstrukcja::znajdzDalej);
    connect(m_szukaj, &QLineEdit::textChanged, m_wynikSzukania, &QLabel::clear);
    auto *ctrlF = new QShortcut(QKeySequence::Find, this);
    connect(ctrlF, &QShortcut::activated, this, [this] {
        m_szukaj->setFocus(Qt::ShortcutFocusReason);
        m_szukaj->selectAll();
    });
    auto *f3 = new QShortcut(QKeySequence::FindNext, this);
    connect(f3, &QShortcut::activated, this, &TFormInstrukcja::znajdzDalej);

    auto *wierszSzukania = new QHBoxLayout;
    wierszSzukania->addWidget(m_etykietaSzukaj);
    wierszSzukania->addWidget(m_szukaj, 1);
    wierszSzukania->addWidget(m_znajdz);
    wierszSzukania->addWidget(m_wynikSzukania);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("przyciskOK"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QWidget::hide);

    auto *przyciski = new QHBoxLayout;
    for (const PrzyciskNawigacji &p : nawigacjaStrony(m_numer)) {
        auto *b = new QPushButton(p.napis, this);
        b->setObjectName(nazwaObiektu(p.kierunek));
        const QString cel = p.cel;
        connect(b, &QPushButton::clicked, this, [this, cel] { emit przejdzDo(cel); });
        m_nawigacja.push_back(b);
        m_kierunki.push_back(p.kierunek);
    }
    // Laid out as in a book: backwards on the left, forwards on the right, OK in the middle.
    for (KierunekStrony k : {KierunekStrony::PoprzRozdz, KierunekStrony::PoprzPodrozdz})
        if (QPushButton *b = przycisk(k))
            przyciski->addWidget(b);
    przyciski->addStretch();
    przyciski->addWidget(m_ok);
    przyciski->addStretch();
    for (KierunekStrony k : {KierunekStrony::NastPodrozdz, KierunekStrony::NastRozdz})
        if (QPushButton *b = przycisk(k))
            przyciski->addWidget(b);

    auto *uklad = new QVBoxLayout(this);
    uklad->addWidget(m_rozdzial);
    uklad->addWidget(m_podrozdzial);
    if (strona->rozdzial == 0) {
        auto *obszar = new QScrollArea(this);
        obszar->setObjectName(QStringLiteral("galeria"));
        obszar->setWidget(budujGalerie());
        obszar->setWidgetResizable(true);
        obszar->setMinimumHeight(220);
        uklad->addWidget(m_tekst, 3);
        uklad->addWidget(obszar, 2);
    } else {
        uklad->addWidget(m_tekst, 1);
    }
    uklad->addLayout(wierszSzukania);
    // The pages beside the book linked from this one (and back), above the navigation.
    for (const QString &cel : odnosnikiStrony(m_numer)) {
        const StronaInstrukcji *s = stronaInstrukcji(cel);
        auto *b = new QPushButton(QStringLiteral("Zobacz: ") + s->tytul, this);
        b->setObjectName(QStringLiteral("odnosnik"));
        connect(b, &QPushButton::clicked, this, [this, cel] { emit przejdzDo(cel); });
        m_odnosniki.push_back(b);
        uklad->addWidget(b, 0, Qt::AlignLeft);
    }
    uklad->addLayout(przyciski);
    resize(820, strona->rozdzial == 0 ? 720 : 600);
    ZmiaKolFormInstrukcja(konfig);
}

QString TFormInstrukcja::tytulRozdzialu() const { return m_rozdzial->text(); }
QString TFormInstrukcja::tytulPodrozdzialu() const { return m_podrozdzial->text(); }
QString TFormInstrukcja::tekst() const { return m_tekst->toPlainText(); }

QPushButton *TFormInstrukcja::przycisk(KierunekStrony k) const
{
    for (size_t i = 0; i < m_kierunki.size(); ++i)
        if (m_kierunki[i] == k)
            return m_nawigacja[i];
    return nullptr;
}

bool TFormInstrukcja::znajdzDalej()
{
    const QString fraza = m_szukaj->text();
    if (fraza.isEmpty())
        return false;
    QTextDocument *dok = m_tekst->document();
    QTextCursor c = dok->find(fraza, m_tekst->textCursor());
    if (c.isNull())
        c = dok->find(fraza, 0);
    if (c.isNull()) {
        m_wynikSzukania->setText(QStringLiteral("Nie znaleziono."));
        return false;
    }
    m_wynikSzukania->clear();
    m_tekst->setTextCursor(c);
    m_tekst->ensureCursorVisible();
    return true;
}

QWidget *TFormInstrukcja::budujGalerie()
{
    auto *galeria = new QWidget;
    auto *siatka = new QGridLayout(galeria);
    m_naglowekGalerii = new QLabel(
        QStringLiteral("Zestawienie postaci graficznych i nazw komponentów wykorzystywanych w programie TREMIDA:"),
        galeria);
    m_naglowekGalerii->setObjectName(QStringLiteral("naglowekGalerii"));
    QFont f = m_naglowekGalerii->font();
    f.setBold(true);
    m_naglowekGalerii->setFont(f);
    siatka->addWidget(m_naglowekGalerii, 0, 0, 1, 4);

    auto *memo = new QPlainTextEdit(QStringLiteral("Tekst wielowierszowy,\nnp. opis faktu."), galeria);
    memo->setMaximumHeight(60);
    auto *bitBtn = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton), QStringLiteral("OK"), galeria);
    auto *radio = new QGroupBox(QStringLiteral("Rodzaj wnioskowania"), galeria);
    auto *radioUklad = new QVBoxLayout(radio);
    auto *wPrzod = new QRadioButton(QStringLiteral("w przód"), radio);
    wPrzod->setChecked(true);
    radioUklad->addWidget(wPrzod);
    radioUklad->addWidget(new QRadioButton(QStringLiteral("wstecz"), radio));
    auto *obraz = new QLabel(galeria);
    obraz->setPixmap(obrazekPrzykladowy());
    auto *postep = new QProgressBar(galeria);
    postep->setValue(60);
    auto *siatkaDanych = new QTableWidget(2, 2, galeria);
    siatkaDanych->setHorizontalHeaderLabels({QStringLiteral("Kod systemu"), QStringLiteral("Nazwa systemu")});
    siatkaDanych->setItem(0, 0, new QTableWidgetItem(QStringLiteral("1")));
    siatkaDanych->setItem(0, 1, new QTableWidgetItem(QStringLiteral("Diagnoza")));
    siatkaDanych->setMaximumHeight(90);
    auto *nawigator = new QWidget(galeria);
    auto *nawUklad = new QHBoxLayout(nawigator);
    nawUklad->setContentsMargins(0, 0, 0, 0);
    nawUklad->setSpacing(1);
    for (const char *z : {"|◀", "◀", "▶", "▶|", "+", "−", "▲", "✓", "✗", "↻"}) {
        auto *b = new QToolButton(nawigator);
        b->setText(QString::fromUtf8(z));
        nawUklad->addWidget(b);
    }
    nawUklad->addStretch();
    auto *bevel = new QFrame(galeria);
    bevel->setFrameShape(QFrame::Box);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setMinimumSize(120, 30);

    const std::pair<const char *, QWidget *> kontrolki[] = {
        {"Edit", new QLineEdit(QStringLiteral("pole edycyjne"), galeria)},
        {"Memo", memo},
        {"Button", new QPushButton(QStringLiteral("Pomoc"), galeria)},
        {"Label", new QLabel(QStringLiteral("Kod systemu:"), galeria)},
        {"BitBtn", bitBtn},
        {"CheckBox", new QCheckBox(QStringLiteral("zaznaczenie"), galeria)},
        {"ListBox", lista({QStringLiteral("pozycja 1"), QStringLiteral("pozycja 2"), QStringLiteral("pozycja 3")},
                          galeria)},
        {"ComboBox", listaRozwijana({QStringLiteral("rozmyta"), QStringLiteral("algebraiczna"),
                                     QStringLiteral("Lukasiewicza")},
                                    galeria)},
        {"RadioGroup", radio},
        {"Image", obraz},
        {"ProgressBar", postep},
        {"DBGrid", siatkaDanych},
        {"DBNavigator", nawigator},
        {"DriveComboBox", listaRozwijana({QStringLiteral("/")}, galeria)},
        {"DirectoryListBox", lista({QStringLiteral("/"), QStringLiteral("home"), QStringLiteral("bazy")}, galeria)},
        {"FilterComboBox",
         listaRozwijana({QStringLiteral("Pliki tekstowe z rozszerzeniem txt (*.txt)")}, galeria)},
        {"FileListBox", lista({QStringLiteral("fakty.txt"), QStringLiteral("pomiary.txt")}, galeria)},
        {"Bevel", bevel},
    };
    int wiersz = 1, kolumna = 0;
    for (const auto &[nazwa, kontrolka] : kontrolki) {
        auto *etykieta = new QLabel(QString::fromLatin1(nazwa), galeria);
        etykieta->setObjectName(QStringLiteral("nazwaKomponentu"));
        siatka->addWidget(etykieta, wiersz, kolumna, Qt::AlignRight | Qt::AlignTop);
        siatka->addWidget(kontrolka, wiersz, kolumna + 1);
        kolumna += 2;
        if (kolumna == 4) {
            kolumna = 0;
            ++wiersz;
        }
    }
    siatka->setColumnStretch(1, 1);
    siatka->setColumnStretch(3, 1);
    return galeria;
}

void TFormInstrukcja::ZmiaKolFormInstrukcja(const TParKonfig &konfig)
{
    zastosujKolory(konfig, Rola::Bierne, {m_rozdzial, m_podrozdzial, m_tekst, m_naglowekGalerii});
    zastosujKolory(konfig, Rola::Pomocnicze, {m_etykietaSzukaj, m_szukaj, m_znajdz, m_wynikSzukania, m_ok});
    for (QPushButton *b : m_nawigacja)
        zastosujKolory(konfig, Rola::Pomocnicze, {b});
    for (QPushButton *b : m_odnosniki)
        zastosujKolory(konfig, Rola::Pomocnicze, {b});
}

} // namespace tremida::gui
