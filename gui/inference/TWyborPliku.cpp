#include "TWyborPliku.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>

namespace tremida::gui {

namespace {
const QStringList Maski = {QStringLiteral("*.txt"), QStringLiteral("*"), QStringLiteral("*")};
} // namespace

QStringList TWyborPliku::opisyFiltrow()
{
    return {QStringLiteral("Pliki tekstowe z rozszerzeniem txt (*.txt)"), QStringLiteral("Wszystkie pliki (*.*)"),
            QStringLiteral("All files (*.*)")};
}

TWyborPliku::TWyborPliku(QWidget *rodzic) : QWidget(rodzic)
{
    m_naped = new QComboBox;
    for (const QFileInfo &d : QDir::drives())
        m_naped->addItem(d.absolutePath());
    m_etFolder = new QLabel;
    m_etFolder->setWordWrap(true);
    m_foldery = new QListWidget;
    m_foldery->setObjectName(QStringLiteral("foldery"));
    m_filtr = new QComboBox;
    m_filtr->addItems(opisyFiltrow());
    m_pliki = new QListWidget;
    m_pliki->setObjectName(QStringLiteral("pliki"));

    auto *u = new QGridLayout(this);
    u->setContentsMargins(0, 0, 0, 0);
    u->addWidget(m_etFolder, 0, 0, 1, 2);
    u->addWidget(m_foldery, 1, 0);
    u->addWidget(m_pliki, 1, 1);
    u->addWidget(m_naped, 2, 0);
    u->addWidget(m_filtr, 2, 1);

    connect(m_naped, &QComboBox::textActivated, this, [this](const QString &n) {
        ustawFolder(n);
        emit folderZmieniony(m_folder);
    });
    connect(m_foldery, &QListWidget::itemActivated, this, [this](QListWidgetItem *i) {
        ustawFolder(QDir(m_folder).absoluteFilePath(i->text()));
        emit folderZmieniony(m_folder);
    });
    connect(m_filtr, &QComboBox::currentIndexChanged, this, &TWyborPliku::odswiezPliki);
    auto wybrany = [this](QListWidgetItem *i) {
        if (i)
            emit plikWybrany(sciezka(i->text()));
    };
    connect(m_pliki, &QListWidget::itemClicked, this, wybrany);
    connect(m_pliki, &QListWidget::itemActivated, this, wybrany);
}

QString TWyborPliku::sciezka(const QString &nazwa) const { return QDir(m_folder).absoluteFilePath(nazwa); }

void TWyborPliku::ustawFolder(const QString &folder)
{
    QDir d(folder);
    m_folder = QDir::cleanPath(d.absolutePath());
    m_etFolder->setText(QDir::toNativeSeparators(m_folder));
    m_foldery->clear();
    if (!d.isRoot())
        m_foldery->addItem(QStringLiteral(".."));
    m_foldery->addItems(d.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
    for (int i = 0; i < m_naped->count(); ++i)
        if (m_folder.startsWith(m_naped->itemText(i)))
            m_naped->setCurrentIndex(i);
    odswiezPliki();
}

void TWyborPliku::odswiezPliki()
{
    m_pliki->clear();
    if (m_folder.isEmpty())
        return;
    const QString maska = Maski.value(m_filtr->currentIndex(), QStringLiteral("*"));
    m_pliki->addItems(QDir(m_folder).entryList({maska}, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

} // namespace tremida::gui
