#include "lists/board_mode.h"

#include "platform/back_color.h"
#include "platform/colors.h"
#include "platform/grid.h"
#include "window/talk_controls.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>

void showBoardMode(const TalkControls& c) {
    setBackColor(c.txtTalk, bgrColor(colors::kWhite));
    c.grdBoard->show();
    for (Grid* list : {c.grdEx, c.grdSp, c.grdDay, c.grdAD, c.grdMail})
        list->hide();
    c.cmdSamp->setText(QStringLiteral("例文表示"));
    c.cmdSampDel->hide();
    c.cmdSampADD->show();
    c.fraTalk->hide();
    c.fraDay->hide();
    c.fraRes->show();
}
