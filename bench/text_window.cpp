// A Qt window showing one line of Japanese in the text box's face and size:
// the least a window that draws Japanese costs, beside the empty window.
#include <QApplication>
#include <QFont>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("おみずをください"));
    QFont font;
    font.setFamilies({QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP")});
    font.setPixelSize(73);
    font.setBold(true);
    window.setFont(font);
    window.resize(1018, 741);
    window.show();
    return app.exec();
}
