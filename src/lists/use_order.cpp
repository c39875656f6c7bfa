#include "lists/use_order.h"

#include "lists/phrase_file.h"
#include "lists/phrase_uses.h"
#include "platform/grid_model.h"

#include <algorithm>
#include <numeric>
#include <vector>

QStringList orderByUse(const QStringList& phrases, const PhraseUses& uses) {
    if (uses.isEmpty())
        return phrases;
    std::vector<double> ranks;
    ranks.reserve(size_t(phrases.size()));
    for (const QString& phrase : phrases)
        ranks.push_back(uses.rank(phrase));
    std::vector<qsizetype> order(ranks.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&ranks](qsizetype a, qsizetype b) {
        return ranks[size_t(a)] > ranks[size_t(b)];
    });
    QStringList ordered;
    ordered.reserve(phrases.size());
    for (const qsizetype i : order)
        ordered.append(phrases.at(i));
    return ordered;
}

void orderPhraseListByUse(GridModel& grdEx, const PhraseUses& uses) {
    if (uses.isEmpty())
        return;
    QStringList texts;
    texts.reserve(grdEx.rows());
    for (int row = 0; row < grdEx.rows(); ++row)
        texts.append(grdEx.text(row, 1));
    // The rows of one run that hold phrases, and the phrases themselves.
    std::vector<int> rows;
    QStringList run;
    const auto orderRun = [&] {
        const QStringList ordered = orderByUse(run, uses);
        for (size_t i = 0; i < rows.size(); ++i)
            texts[rows[i]] = ordered.at(qsizetype(i));
        rows.clear();
        run.clear();
    };
    for (int row = 0; row < grdEx.rows(); ++row) {
        if (!grdEx.text(row, 0).isEmpty())
            orderRun();
        if (isCommandRowText(texts.at(row)))
            continue;
        rows.push_back(row);
        run.append(texts.at(row));
    }
    orderRun();
    grdEx.setColumnTexts(1, texts);
}
