#include "backup/backup_page.h"

#include "backup/data_backup.h"
#include "platform/asker.h"
#include "platform/busy_pointer.h"
#include "platform/settings_store.h"

#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kFolderKey = QStringLiteral("Backup/Folder");
const QString kTitle = QStringLiteral("バックアップ");

QString nameOf(const QString& folder) {
    return QFileInfo(folder).fileName();
}
} // namespace

BackupPage::BackupPage(const QString& dataDir, Asker& asker, ChooseFolder chooseFolder,
                       QWidget* parent)
    : OptionsPage(parent)
    , m_dataDir(dataDir)
    , m_asker(asker)
    , m_chooseFolder(std::move(chooseFolder)) {
    lblAbout = new QLabel(QStringLiteral("例文・日記・アドレス帳・メールと自分の声の録音を、"
                                         "USBメモリなどに日付のフォルダーでコピーします。\n"
                                         "データの場所：%1")
                              .arg(QDir::toNativeSeparators(dataDir)),
                          this);
    lblAbout->setObjectName(QStringLiteral("lblAbout"));
    lblAbout->setWordWrap(true);
    lblAbout->setTextFormat(Qt::PlainText);
    cmdBackup = new QPushButton(kTitle, this);
    cmdBackup->setObjectName(QStringLiteral("cmdBackup"));
    cmdRestore = new QPushButton(QStringLiteral("復元"), this);
    cmdRestore->setObjectName(QStringLiteral("cmdRestore"));
    lblResult = new QLabel(this);
    lblResult->setObjectName(QStringLiteral("lblResult"));
    lblResult->setWordWrap(true);
    lblResult->setTextFormat(Qt::PlainText);

    // The two buttons take most of the page: targets for a finger and a head
    // mouse.
    auto* column = new QVBoxLayout(this);
    column->addWidget(lblAbout, 2);
    for (QPushButton* button : {cmdBackup, cmdRestore}) {
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        column->addWidget(button, 3);
    }
    column->addWidget(lblResult, 2);
    enlargeButtons();

    connect(cmdBackup, &QPushButton::clicked, this, &BackupPage::cmdBackup_Click);
    connect(cmdRestore, &QPushButton::clicked, this, &BackupPage::cmdRestore_Click);
}

QString BackupPage::title() const {
    return kTitle;
}

void BackupPage::load(const SettingsStore& store) {
    m_lastFolder = store.value(kFolderKey).value_or(QString());
}

void BackupPage::save(SettingsStore& store) const {
    if (!m_lastFolder.isEmpty() && store.value(kFolderKey) != m_lastFolder)
        store.setValue(kFolderKey, m_lastFolder);
}

// The captions of the two buttons are twice the page's text size.
void BackupPage::enlargeButtons() {
    QFont large = font();
    if (large.pixelSize() > 0)
        large.setPixelSize(large.pixelSize() * 2);
    else
        large.setPointSizeF(large.pointSizeF() * 2);
    cmdBackup->setFont(large);
    cmdRestore->setFont(large);
}

void BackupPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        enlargeButtons();
    OptionsPage::changeEvent(event);
}

void BackupPage::tell(const QString& message) {
    lblResult->setText(message);
    m_asker.ask(message, Asker::Notice, kTitle);
}

void BackupPage::cmdBackup_Click() {
    const QString place = m_chooseFolder(QStringLiteral("バックアップする場所"), m_lastFolder);
    if (place.isEmpty())
        return;
    DataBackup::Result made;
    {
        const BusyPointer busy;
        made = DataBackup(m_dataDir).backUp(place, QDateTime::currentDateTime());
    }
    if (!made.ok) {
        tell(made.failed.isEmpty()
                 ? QStringLiteral("「%1」にフォルダーを作れませんでした。").arg(place)
                 : QStringLiteral("「%1」をコピーできませんでした。バックアップはしていません。")
                       .arg(made.failed));
        return;
    }
    m_lastFolder = place;
    tell(QStringLiteral("バックアップしました。\n%1").arg(QDir::toNativeSeparators(made.folder)));
}

void BackupPage::cmdRestore_Click() {
    if (m_restoreBlocked) {
        tell(QStringLiteral("日記・アドレス帳・メールを閉じてから復元してください。"));
        return;
    }
    const QString folder = m_chooseFolder(QStringLiteral("復元するバックアップ"), m_lastFolder);
    if (folder.isEmpty())
        return;
    const DataBackup backup(m_dataDir);
    if (!backup.canRestoreFrom(folder)) {
        tell(QStringLiteral("「%1」にはバックアップがありません。").arg(nameOf(folder)));
        return;
    }
    if (!m_asker.ask(QStringLiteral("「%1」のデータにもどしますか？\n"
                                    "いまのデータは先にバックアップします。")
                         .arg(nameOf(folder)),
                     Asker::YesNo, QStringLiteral("復元")))
        return;
    DataBackup::Result result;
    {
        const BusyPointer busy;
        result = backup.restore(folder, QDateTime::currentDateTime());
    }
    if (result.folder.isEmpty()) {
        tell(QStringLiteral("いまのデータをバックアップできなかったので、復元していません。"));
        return;
    }
    emit restored();
    const QString before = QDir::toNativeSeparators(result.folder);
    tell(result.ok ? QStringLiteral("復元しました。\nもとのデータ：%1").arg(before)
                   : QStringLiteral("「%1」を復元できませんでした。\nもとのデータ：%2")
                         .arg(result.failed, before));
}
