#pragma once

#include "platform/fonts.h"
#include "platform/twips.h"

#include <QHash>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSize>

class QWidget;

// Places the controls of one window at their design rectangles in twips and
// scales the whole layout uniformly: fonts, positions, sizes and grid columns.
// The window's client area is designSize twips at scale 1; when the window is
// larger (maximized, full screen) the layout grows to the largest size that
// fits and is centred. Code that moves or resizes controls does so in twips
// through this class, so that it reads like the design.
class TwipLayout final : public QObject {
    Q_OBJECT
public:
    TwipLayout(QWidget* window, TwipRect designSize);

    void place(QWidget* widget, const TwipRect& rect);
    TwipRect rect(const QWidget* widget) const;
    void setHeight(QWidget* widget, int twips);
    void setFont(QWidget* widget, const FontStyle& font);

    double scale() const { return m_scale; }
    QPoint origin() const { return m_origin; }
    QSize designPixels(double scale = 1.0) const;
    // Scale for a client area of this size in pixels (the largest that fits).
    void fitTo(QSize client);
    void setScale(double scale);

signals:
    void scaleChanged(double scale);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        QPointer<QWidget> widget;
        TwipRect rect;
        bool hasRect = false;
        bool hasFont = false;
        FontStyle font;
    };
    void applyFont(const Entry& entry) const;
    void applyRect(const Entry& entry) const;
    void applyAll();

    QWidget* m_window;
    TwipRect m_design;
    double m_scale = 1.0;
    QPoint m_origin;
    QHash<const QWidget*, Entry> m_entries;
};
