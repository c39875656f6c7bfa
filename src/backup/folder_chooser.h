#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class Grid;
class QLabel;
class QPushButton;
class TwipLayout;

// A folder chooser made for a finger and a head mouse: one large row per
// folder, a tap on a row opens it, "上へ" goes to the folder above, the
// arrows page through a long list, "決定" takes the folder that is open. Above
// the places it starts from (the home folder, USB sticks and other mounted
// media) there is nothing: "上へ" from one of them shows the places again.
class FolderChooser final : public QDialog {
    Q_OBJECT
public:
    struct Place {
        QString label;
        QString path;
    };

    FolderChooser(const QString& title, const QString& start, const QList<Place>& places,
                  double scale = 1.0, QWidget* parent = nullptr);

    // The home folder and the mounted removable media.
    static QList<Place> standardPlaces();
    // Asks for a folder; empty when the user cancels.
    static QString choose(const QString& title, const QString& start, double scale,
                          QWidget* parent);

    // The folder open now; empty while the places are shown.
    QString folder() const { return m_folder; }
    void open(const QString& folder);

    QLabel* lblWhere;
    Grid* grdFolders;
    QPushButton* cmdParent;
    QPushButton* cmdPageUp;
    QPushButton* cmdPageDown;
    QPushButton* cmdOK[2];

private:
    void showPlaces();
    void grdFolders_Click(int row);
    void cmdParent_Click();
    void page(int direction);
    void fill(const QStringList& texts);

    TwipLayout* m_layout;
    QList<Place> m_places;
    QString m_folder;
    QStringList m_rowPaths;
};
