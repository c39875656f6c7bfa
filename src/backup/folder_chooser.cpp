#include "backup/folder_chooser.h"

#include "platform/back_color.h"
#include "platform/colors.h"
#include "platform/grid.h"
#include "platform/twip_layout.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QStorageInfo>
#include <algorithm>

namespace {
// The extended options' colour and fonts; rows as tall as the main window's
// list rows at half their text size.
constexpr quint32 kBack = 0xFFC0C0;
constexpr TwipRect kClientArea{0, 0, 10005, 10005};
constexpr int kRowTwips = 900;
const FontStyle kLabelFont{FontFace::PGothic, 15.75, true};
const FontStyle kRowFont{FontFace::Gothic, 24, false};
const FontStyle kButtonFont{FontFace::PGothic, 24, true};

bool isMediaMount(const QString& root) {
    return root.startsWith(QLatin1String("/media/")) ||
           root.startsWith(QLatin1String("/run/media/")) || root.startsWith(QLatin1String("/mnt/"));
}
} // namespace

FolderChooser::FolderChooser(const QString& title, const QString& start, const QList<Place>& places,
                             double scale, QWidget* parent)
    : QDialog(parent)
    , m_layout(new TwipLayout(this, kClientArea))
    , m_places(places) {
    setObjectName(QStringLiteral("frmFolder"));
    setWindowTitle(title);
    setBackColor(this, bgrColor(kBack));
    m_layout->setScale(scale);
    setFixedSize(m_layout->designPixels(scale));

    lblWhere = new QLabel(this);
    lblWhere->setObjectName(QStringLiteral("lblWhere"));
    lblWhere->setTextFormat(Qt::PlainText);
    m_layout->place(lblWhere, {240, 120, 9525, 700});
    m_layout->setFont(lblWhere, kLabelFont);

    grdFolders = new Grid(this);
    grdFolders->setObjectName(QStringLiteral("grdFolders"));
    grdFolders->setRowHeights(Grid::RowHeights::Fixed, kRowTwips);
    grdFolders->setCols(1);
    m_layout->place(grdFolders, {240, 900, 7800, 6900});
    m_layout->setFont(grdFolders, kRowFont);
    grdFolders->setScale(scale);
    grdFolders->setColumnWidthTwips(0, 7800 - 338);
    connect(grdFolders, &Grid::clicked, this, [this](int row) { grdFolders_Click(row); });

    auto button = [this](const char* caption, const QString& name, const TwipRect& rect) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        setBackColor(b, bgrColor(kBack));
        m_layout->place(b, rect);
        m_layout->setFont(b, kButtonFont);
        return b;
    };
    cmdParent = button("上へ", QStringLiteral("cmdParent"), {8220, 900, 1545, 2220});
    cmdPageUp = button("▲", QStringLiteral("cmdPageUp"), {8220, 3240, 1545, 2220});
    cmdPageDown = button("▼", QStringLiteral("cmdPageDown"), {8220, 5580, 1545, 2220});
    cmdOK[0] = button("キャンセル", QStringLiteral("cmdOK(0)"), {240, 8100, 3600, 1560});
    cmdOK[1] = button("決定", QStringLiteral("cmdOK(1)"), {6165, 8100, 3600, 1560});
    connect(cmdParent, &QPushButton::clicked, this, &FolderChooser::cmdParent_Click);
    connect(cmdPageUp, &QPushButton::clicked, this, [this] { page(-1); });
    connect(cmdPageDown, &QPushButton::clicked, this, [this] { page(1); });
    connect(cmdOK[0], &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdOK[1], &QPushButton::clicked, this, &QDialog::accept);

    if (!start.isEmpty() && QFileInfo(start).isDir())
        open(start);
    else
        showPlaces();
}

QList<FolderChooser::Place> FolderChooser::standardPlaces() {
    QList<Place> places{{QStringLiteral("ホーム"), QDir::homePath()}};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady() || !isMediaMount(volume.rootPath()))
            continue;
        const QString name = volume.displayName();
        places.append({name.isEmpty() ? volume.rootPath() : name, volume.rootPath()});
    }
    return places;
}

QString FolderChooser::choose(const QString& title, const QString& start, double scale,
                              QWidget* parent) {
    FolderChooser chooser(title, start, standardPlaces(), scale, parent);
    return chooser.exec() == QDialog::Accepted ? chooser.folder() : QString();
}

void FolderChooser::fill(const QStringList& texts) {
    {
        const DrawingSuspended suspended(grdFolders);
        grdFolders->setRows(0);
        grdFolders->setRows(int(texts.size()));
        grdFolders->cells().setColumnTexts(0, texts);
    }
    grdFolders->setTopRow(0);
}

void FolderChooser::showPlaces() {
    m_folder.clear();
    m_rowPaths.clear();
    QStringList labels;
    for (const Place& place : m_places) {
        labels.append(place.label);
        m_rowPaths.append(place.path);
    }
    fill(labels);
    lblWhere->setText(QStringLiteral("場所をえらんでください"));
    cmdOK[1]->setEnabled(false);
    cmdParent->setEnabled(false);
}

void FolderChooser::open(const QString& folder) {
    const QDir dir(folder);
    m_folder = dir.absolutePath();
    QStringList names = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCollator collator;
    collator.setNumericMode(true);
    std::sort(names.begin(), names.end(), collator);
    m_rowPaths.clear();
    for (const QString& name : names)
        m_rowPaths.append(dir.filePath(name));
    fill(names);
    lblWhere->setText(QDir::toNativeSeparators(m_folder));
    cmdOK[1]->setEnabled(true);
    cmdParent->setEnabled(true);
}

void FolderChooser::grdFolders_Click(int row) {
    if (row >= 0 && row < m_rowPaths.size())
        open(m_rowPaths.at(row));
}

void FolderChooser::cmdParent_Click() {
    if (m_folder.isEmpty())
        return;
    const bool atPlace = std::any_of(m_places.begin(), m_places.end(), [this](const Place& p) {
        return QDir(p.path) == QDir(m_folder);
    });
    QDir up(m_folder);
    if (atPlace || !up.cdUp())
        showPlaces();
    else
        open(up.absolutePath());
}

void FolderChooser::page(int direction) {
    const int rowHeight = std::max(1, grdFolders->rowHeight(0));
    const int visible = std::max(1, grdFolders->viewport()->height() / rowHeight);
    grdFolders->setTopRow(std::clamp(grdFolders->topRow() + direction * visible, 0,
                                     std::max(0, grdFolders->rows() - 1)));
}
