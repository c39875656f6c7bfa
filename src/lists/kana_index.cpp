#include "lists/kana_index.h"

#include "lists/phrase_file.h"
#include "platform/grid_model.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

struct KanaRow {
    char16_t lower;
    char16_t upper;
    const char16_t* heading;
};

// Tested in this order; the voiced and semi-voiced rows overlap the plain rows
// and come after them, so that が is found in "か行" but ご, beyond こ, in "が行".
constexpr std::array<KanaRow, 30> kKanaRows{{
    {u'あ', u'お', u"あ行"}, {u'か', u'こ', u"か行"}, {u'さ', u'そ', u"さ行"},
    {u'た', u'と', u"た行"}, {u'な', u'の', u"な行"}, {u'は', u'ほ', u"は行"},
    {u'ま', u'も', u"ま行"}, {u'や', u'よ', u"や行"}, {u'ら', u'ろ', u"ら行"},
    {u'わ', u'ん', u"わ行"}, {u'が', u'ご', u"が行"}, {u'ざ', u'ぞ', u"ざ行"},
    {u'だ', u'ど', u"だ行"}, {u'ば', u'ぼ', u"ば行"}, {u'ぱ', u'ぽ', u"ぱ行"},
    {u'ア', u'オ', u"ア行"}, {u'カ', u'コ', u"カ行"}, {u'サ', u'ソ', u"サ行"},
    {u'タ', u'ト', u"タ行"}, {u'ナ', u'ノ', u"ナ行"}, {u'ハ', u'ホ', u"ハ行"},
    {u'マ', u'モ', u"マ行"}, {u'ヤ', u'ヨ', u"ヤ行"}, {u'ラ', u'ロ', u"ラ行"},
    {u'ワ', u'ン', u"ワ行"}, {u'ガ', u'ゴ', u"ガ行"}, {u'ザ', u'ゾ', u"ザ行"},
    {u'ダ', u'ド', u"ダ行"}, {u'バ', u'ボ', u"バ行"}, {u'パ', u'ポ', u"パ行"},
}};

// The kana-table row whose range holds the text's first character, if any.
const KanaRow* kanaRowOf(const QString& text) {
    if (text.isEmpty())
        return nullptr;
    const char16_t c = text.at(0).unicode();
    for (const KanaRow& row : kKanaRows)
        if (row.lower <= c && c <= row.upper)
            return &row;
    return nullptr;
}

QStringList columnOf(const GridModel& grid, int col) {
    QStringList texts;
    texts.reserve(grid.rows());
    for (int row = 0; row < grid.rows(); ++row)
        texts.append(grid.text(row, col));
    return texts;
}

// The column is written as a whole, so that a long list costs one change
// signal.
void writeHeadings(GridModel& grid) {
    grid.setColumnTexts(0, kanaRowHeadings(columnOf(grid, 1)));
}

} // namespace

QString kanaRowHeading(const QString& text) {
    const KanaRow* row = kanaRowOf(text);
    return row ? QString::fromUtf16(row->heading) : QString();
}

// Moves the first two command rows to the top, keeping the order of all other
// rows. Nothing moves in the usual case, where they sort there by themselves.
std::vector<int> phraseListOrder(const QStringList& texts) {
    const std::vector<int> sorted = codeUnitOrder(texts);
    std::vector<int> pinned;
    for (const int index : sorted) {
        if (pinned.size() == 2)
            break;
        if (isCommandRowText(texts.at(index)))
            pinned.push_back(index);
    }
    std::vector<int> order = pinned;
    order.reserve(sorted.size());
    for (const int index : sorted)
        if (std::find(pinned.begin(), pinned.end(), index) == pinned.end())
            order.push_back(index);
    return order;
}

// Each heading is written once, on the first row of a run of rows that share
// it; a row whose first character has no heading joins the run above it.
QStringList kanaRowHeadings(const QStringList& entries) {
    QStringList headings;
    headings.reserve(entries.size());
    const KanaRow* current = nullptr;
    const KanaRow* written = nullptr;
    for (const QString& entry : entries) {
        if (const KanaRow* heading = kanaRowOf(entry))
            current = heading;
        if (current != written) {
            headings.append(QString::fromUtf16(current->heading));
            written = current;
        } else {
            headings.append(QString());
        }
    }
    return headings;
}

void fillAddressIndex(GridModel& grdAD) {
    if (grdAD.rows() == 0)
        return;
    grdAD.sortByColumn(1, Qt::AscendingOrder);
    writeHeadings(grdAD);
}
