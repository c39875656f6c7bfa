#include "platform/grid.h"

#include "platform/twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionViewItem>
#include <QTouchEvent>

namespace {
// Width of the list grids' vertical scroll bar (the 338 twips the lists leave
// for it beside their last column).
constexpr int kScrollBarTwips = 338;
constexpr QRgb kGridLineColor = 0xFF808080;

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
    : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setAttribute(Qt::WA_AcceptTouchEvents);
    QPalette p = palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
    auto* scrollBar = new ListScrollBar;
    scrollBar->setWidthPixels(twipsToPixels(kScrollBarTwips, m_scale));
    scrollBar->setSingleStep(1);
    setVerticalScrollBar(scrollBar);
    const auto relayout = [this] {
        updateScrollRange();
        viewport()->update();
    };
    connect(&m_model, &QAbstractItemModel::dataChanged, viewport(), qOverload<>(&QWidget::update));
    connect(&m_model, &QAbstractItemModel::rowsInserted, this, relayout);
    connect(&m_model, &QAbstractItemModel::rowsRemoved, this, relayout);
    connect(&m_model, &QAbstractItemModel::modelReset, this, relayout);
    connect(&m_model, &QAbstractItemModel::layoutChanged, this, relayout);
}

void Grid::setColumnWidthTwips(int col, int twips) {
    if (col < 0 || col >= cols())
        return;
    if (int(m_columnTwips.size()) < cols())
        m_columnTwips.resize(size_t(cols()), -1);
    m_columnTwips[size_t(col)] = twips;
    viewport()->update();
}

int Grid::columnWidthTwips(int col) const {
    return col >= 0 && col < int(m_columnTwips.size()) ? std::max(m_columnTwips[size_t(col)], 0)
                                                       : 0;
}

void Grid::setRowHeights(RowHeights mode, int fixedTwips) {
    m_rowHeights = mode;
    if (fixedTwips > 0)
        m_fixedRowTwips = fixedTwips;
    setVerticalScrollBarPolicy(mode == RowHeights::ShareHeight ? Qt::ScrollBarAlwaysOff
                                                               : Qt::ScrollBarAsNeeded);
    updateScrollRange();
    viewport()->update();
}

void Grid::setScale(double scale) {
    if (qFuzzyCompare(scale, m_scale))
        return;
    m_scale = scale;
    static_cast<ListScrollBar*>(verticalScrollBar())
        ->setWidthPixels(twipsToPixels(kScrollBarTwips, scale));
    updateScrollRange();
    viewport()->update();
}

// A column given no width has the width a table's column starts with.
int Grid::columnWidth(int col) const {
    if (col < 0 || col >= cols())
        return 0;
    if (col < int(m_columnTwips.size()) && m_columnTwips[size_t(col)] >= 0)
        return twipsToPixels(m_columnTwips[size_t(col)], m_scale);
    return style()->pixelMetric(QStyle::PM_HeaderDefaultSectionSizeHorizontal, nullptr, this);
}

int Grid::rowHeight(int row) const {
    return row < 0 || row >= rows() ? 0 : rowPosition(row + 1) - rowPosition(row);
}

// Shared heights split the viewport as evenly as whole pixels allow.
int Grid::rowPosition(int row) const {
    if (m_rowHeights == RowHeights::Fixed)
        return row * twipsToPixels(m_fixedRowTwips, m_scale);
    return rows() > 0 ? int(qint64(viewport()->height()) * row / rows()) : 0;
}

int Grid::columnPosition(int col) const {
    int position = 0;
    for (int c = 0; c < col; ++c)
        position += columnWidth(c);
    return position;
}

int Grid::rowAt(int y) const {
    const int position = y + verticalOffset();
    if (position < 0 || position >= contentHeight())
        return -1;
    int low = 0;
    int high = rows() - 1;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (rowPosition(middle) <= position)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

int Grid::columnAt(int x) const {
    if (x < 0)
        return -1;
    int end = 0;
    for (int c = 0; c < cols(); ++c) {
        end += columnWidth(c);
        if (x < end)
            return c;
    }
    return -1;
}

// A list scrolls a row at a time, down to where its last row is the last
// one that fits.
void Grid::updateScrollRange() {
    QScrollBar* bar = verticalScrollBar();
    int fitting = 1;
    if (m_rowHeights == RowHeights::Fixed) {
        const int height = std::max(1, twipsToPixels(m_fixedRowTwips, m_scale));
        fitting = std::max(1, std::min(rows(), viewport()->height() / height));
    }
    bar->setRange(0, m_rowHeights == RowHeights::Fixed ? std::max(0, rows() - fitting) : 0);
    bar->setPageStep(fitting);
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

void Grid::scrollToRow(int row) {
    const int top = topRow();
    const int fitting = verticalScrollBar()->pageStep();
    if (row < top)
        setTopRow(row);
    else if (row >= top + fitting)
        setTopRow(row - fitting + 1);
}

QRect Grid::cellRect(int row, int col) const {
    if (row < 0 || row >= rows() || col < 0 || col >= cols())
        return {};
    return QRect(columnPosition(col), rowPosition(row) - verticalOffset(), columnWidth(col) - 1,
                 rowHeight(row) - 1);
}

QModelIndex Grid::indexAt(const QPoint& pos) const {
    const int row = rowAt(pos.y());
    const int col = columnAt(pos.x());
    return row >= 0 && col >= 0 ? m_model.index(row, col) : QModelIndex();
}

// The options an item view gives its delegate, as a table view sets them.
void Grid::initViewItemOption(QStyleOptionViewItem* option) const {
    option->initFrom(this);
    option->state &= ~QStyle::State_MouseOver;
    option->font = font();
    if (!hasFocus())
        option->state &= ~QStyle::State_Active;
    option->state &= ~QStyle::State_HasFocus;
    const int icon = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    option->decorationSize = QSize(icon, icon);
    option->decorationPosition = QStyleOptionViewItem::Left;
    option->decorationAlignment = Qt::AlignCenter;
    option->displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option->textElideMode = Qt::ElideNone;
    option->rect = QRect();
    option->showDecorationSelected = true;
    option->locale = locale();
    option->locale.setNumberOptions(QLocale::OmitGroupSeparator);
    option->widget = this;
}

// Each cell is drawn once, grid line excluded, then the grid lines on the
// right and lower edges of the cells.
void Grid::paintEvent(QPaintEvent* event) {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    QPainter painter(viewport());
    if (rows() == 0 || cols() == 0)
        return;
    const int firstRow = std::max(rowAt(0), 0);
    int lastRow = rowAt(viewport()->height());
    if (lastRow == -1)
        lastRow = rows() - 1;
    int firstCol = columnAt(0);
    if (firstCol == -1)
        firstCol = 0;
    int lastCol = columnAt(viewport()->width());
    if (lastCol == -1)
        lastCol = cols() - 1;
    std::vector<bool> drawn(
        size_t(std::max(0, (lastRow - firstRow + 1) * (lastCol - firstCol + 1))));
    for (const QRect& dirty : event->region())
        paintRect(painter, dirty, option, drawn, firstRow, firstCol, lastCol);
}

void Grid::paintRect(QPainter& painter, QRect dirty, const QStyleOptionViewItem& option,
                     std::vector<bool>& drawn, int firstRow, int firstCol, int lastCol) {
    const int offset = verticalOffset();
    dirty.setBottom(std::min(dirty.bottom(), contentHeight() - offset - 1));
    dirty.setRight(std::min(dirty.right(), contentWidth() - 1));
    if (!dirty.isValid())
        return;
    int left = columnAt(dirty.left());
    int right = columnAt(dirty.right());
    if (left == -1)
        left = 0;
    if (right == -1)
        right = cols() - 1;
    int bottom = rowAt(dirty.bottom());
    if (bottom == -1)
        bottom = rows() - 1;
    const int top = rowAt(dirty.top());
    if (top == -1 || top > bottom)
        return;

    for (int row = top; row <= bottom; ++row) {
        const int rowY = rowPosition(row) - offset;
        for (int col = left; col <= right; ++col) {
            const int bit = (row - firstRow) * (lastCol - firstCol + 1) + col - firstCol;
            if (bit < 0 || bit >= int(drawn.size()) || drawn[size_t(bit)])
                continue;
            drawn[size_t(bit)] = true;
            QStyleOptionViewItem cell = option;
            cell.rect = QRect(columnPosition(col), rowY, columnWidth(col) - 1, rowHeight(row) - 1);
            if (cell.state & QStyle::State_Enabled)
                cell.palette.setCurrentColorGroup(QPalette::Normal);
            style()->drawPrimitive(QStyle::PE_PanelItemViewRow, &cell, &painter, this);
            m_delegate.paint(&painter, cell, m_model.index(row, col));
        }
    }

    const QPen old = painter.pen();
    painter.setPen(QPen(QColor::fromRgba(kGridLineColor), 1, Qt::SolidLine));
    for (int row = top; row <= bottom; ++row) {
        const int lineY = rowPosition(row) - offset + rowHeight(row) - 1;
        painter.drawLine(dirty.left(), lineY, dirty.right(), lineY);
    }
    for (int col = left; col <= right; ++col) {
        const int lineX = columnPosition(col) + columnWidth(col) - 1;
        painter.drawLine(lineX, dirty.top(), lineX, dirty.bottom());
    }
    painter.setPen(old);
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
        return QAbstractScrollArea::viewportEvent(event);
    }
}

void Grid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void Grid::scrollContentsBy(int /*dx*/, int /*dy*/) {
    viewport()->update();
}

// The scroll range is known only once the rows are laid out for the shown
// grid; a top row asked for before is applied now.
void Grid::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    if (m_pendingTopRow < 0)
        return;
    updateScrollRange();
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
