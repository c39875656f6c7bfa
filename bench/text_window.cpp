// A Qt window showing one line of Japanese in the text box's face and size:
// the least a window that draws Japanese costs, beside the empty window.
#include "platform/fonts.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("おみずをください"));
    // The face's Debian families, named without asking the font configuration
    // (as makeFont would), so that the label reads it only when first drawn.
    QFont font;
    font.setFamilies(designFamilies(FontFace::Gothic).mid(1));
    font.setPixelSize(pointsToPixels(55));
    font.setBold(true);
    window.setFont(font);
    window.resize(1018, 741);
    window.show();
    return app.exec();
}
