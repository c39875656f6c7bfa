#include "platform/grid.h"

#include "platform/twips.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPointer>
#include <QProxyStyle>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTouchEvent>

namespace {
// Width of the list grids' vertical scroll bar (the 338 twips the lists leave
// for it beside their last column).
constexpr int kScrollBarTwips = 338;
constexpr QRgb kGridLineColor = 0xFF808080;

// The application's style with grey grid lines. A style sheet would do the
// same, but costs each grid a style of its own, polished with all its parts
// whenever the window is built.
class GridLineStyle final : public QProxyStyle {
public:
    GridLineStyle()
        : QProxyStyle(QApplication::style()->name()) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_Table_GridLineColor)
            return int(kGridLineColor);
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

QStyle* gridLineStyle() {
    static QPointer<QStyle> style;
    if (!style)
        style = new GridLineStyle;
    style->setParent(QCoreApplication::instance());
    return style;
}

// A vertical scroll bar as wide as the lists leave room for, drawn as the
// style draws any other.
class ListScrollBar final : public QScrollBar {
public:
    ListScrollBar()
        : QScrollBar(Qt::Vertical) {}
    void setWidthPixels(int pixels) {
        if (pixels == m_width)
            return;
        m_width = pixels;
        updateGeometry();
    }
    QSize sizeHint() const override {
        QSize size = QScrollBar::sizeHint();
        if (m_width > 0)
            size.setWidth(m_width);
        return size;
    }

private:
    int m_width = 0;
};
} // namespace

Grid::Grid(QWidget* parent)
    : QTableView(parent) {
    setModel(&m_model);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    // The hidden headers keep the font they have: a font given to the grid
    // would otherwise have them measure text in it, loading the face of each
    // grid's size before anything is drawn with it.
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        QFont font = header->font();
        font.setResolveMask(QFont::AllPropertiesResolved);
        header->setFont(font);
    }
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(1);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::NoFocus);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    viewport()->setAttribute(Qt::WA_AcceptTouchEvents);
    setAutoScroll(false);
    QPalette p = palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
    setStyle(gridLineStyle());
    auto* scrollBar = new ListScrollBar;
    scrollBar->setWidthPixels(twipsToPixels(kScrollBarTwips, m_scale));
    setVerticalScrollBar(scrollBar);
    // Rows of a fixed height take the header's default size as they come, so
    // only shared heights are worked out again; setting the default size walks
    // every row, which a list of 100 000 phrases should not pay on each load.
    const auto share = [this] {
        if (m_rowHeights == RowHeights::ShareHeight)
            applyRowHeights();
    };
    connect(&m_model, &QAbstractItemModel::rowsInserted, this, share);
    connect(&m_model, &QAbstractItemModel::rowsRemoved, this, share);
    // A reset (new column count) forgets the view's column widths.
    connect(&m_model, &QAbstractItemModel::modelReset, this, [this, share] {
        applyColumnWidths();
        share();
    });
    applyRowHeights();
}

void Grid::setCols(int cols) {
    m_model.setCols(cols);
}

void Grid::setColumnWidthTwips(int col, int twips) {
    if (col < 0 || col >= cols())
        return;
    if (int(m_columnTwips.size()) < cols())
        m_columnTwips.resize(size_t(cols()), 0);
    m_columnTwips[size_t(col)] = twips;
    setColumnWidth(col, twipsToPixels(twips, m_scale));
}

int Grid::columnWidthTwips(int col) const {
    return col >= 0 && col < int(m_columnTwips.size()) ? m_columnTwips[size_t(col)] : 0;
}

void Grid::setRowHeights(RowHeights mode, int fixedTwips) {
    m_rowHeights = mode;
    if (fixedTwips > 0)
        m_fixedRowTwips = fixedTwips;
    setVerticalScrollBarPolicy(mode == RowHeights::ShareHeight ? Qt::ScrollBarAlwaysOff
                                                               : Qt::ScrollBarAsNeeded);
    applyRowHeights();
}

void Grid::setScale(double scale) {
    if (qFuzzyCompare(scale, m_scale))
        return;
    m_scale = scale;
    static_cast<ListScrollBar*>(verticalScrollBar())
        ->setWidthPixels(twipsToPixels(kScrollBarTwips, scale));
    applyColumnWidths();
    applyRowHeights();
}

void Grid::applyColumnWidths() {
    for (int c = 0; c < int(m_columnTwips.size()) && c < cols(); ++c)
        setColumnWidth(c, twipsToPixels(m_columnTwips[size_t(c)], m_scale));
}

void Grid::applyRowHeights() {
    const int count = rows();
    if (m_rowHeights == RowHeights::Fixed) {
        // The header reports every row it resizes, and the view answers each
        // report; for a list of 100 000 rows the view is laid out once instead.
        {
            const QSignalBlocker quiet(verticalHeader());
            verticalHeader()->setDefaultSectionSize(twipsToPixels(m_fixedRowTwips, m_scale));
        }
        updateGeometries();
        viewport()->update();
        return;
    }
    const int height = viewport()->height();
    for (int r = 0; r < count; ++r)
        setRowHeight(r, height * (r + 1) / count - height * r / count);
}

void Grid::setCurrent(int row, int col) {
    m_row = row;
    m_col = col;
}

int Grid::topRow() const {
    return verticalScrollBar()->value();
}

void Grid::setTopRow(int row) {
    m_pendingTopRow = isVisible() ? -1 : row;
    verticalScrollBar()->setValue(row);
}

QRect Grid::cellRect(int row, int col) const {
    return visualRect(m_model.index(row, col));
}

void Grid::press(const QPoint& pos) {
    const QModelIndex index = indexAt(pos);
    if (!index.isValid())
        return;
    m_pressed = true;
    setCurrent(index.row(), index.column());
    emit pressed(index.row(), index.column());
}

void Grid::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        press(event->position().toPoint());
}

// A second quick tap is a tap of its own, not a double click.
void Grid::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void Grid::mouseMoveEvent(QMouseEvent* /*event*/) {}

void Grid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        release(event->position().toPoint());
}

void Grid::release(const QPoint& pos) {
    if (!m_pressed)
        return;
    m_pressed = false;
    if (viewport()->rect().contains(pos))
        emit clicked(m_row, m_col);
}

bool Grid::viewportEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel: {
        const auto* touch = static_cast<QTouchEvent*>(event);
        if (isEnabled() && !touch->points().isEmpty()) {
            const QPoint pos = touch->points().first().position().toPoint();
            if (event->type() == QEvent::TouchBegin)
                press(pos);
            else if (event->type() == QEvent::TouchEnd)
                release(pos);
            else
                m_pressed = false;
        }
        event->accept();
        return true;
    }
    case QEvent::TouchUpdate:
        event->accept();
        return true;
    default:
        return QTableView::viewportEvent(event);
    }
}

void Grid::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    if (m_rowHeights == RowHeights::ShareHeight)
        applyRowHeights();
}

// The scroll range is known only once the rows are laid out for the shown
// grid; a top row asked for before is applied now.
void Grid::showEvent(QShowEvent* event) {
    QTableView::showEvent(event);
    if (m_pendingTopRow < 0)
        return;
    updateGeometries();
    verticalScrollBar()->setValue(m_pendingTopRow);
    m_pendingTopRow = -1;
}

DrawingSuspended::DrawingSuspended(QWidget* widget)
    : m_widget(widget)
    , m_wasEnabled(widget->updatesEnabled()) {
    widget->setUpdatesEnabled(false);
}

DrawingSuspended::~DrawingSuspended() {
    m_widget->setUpdatesEnabled(m_wasEnabled);
}
