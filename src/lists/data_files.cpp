#include "lists/data_files.h"

#include "platform/asker.h"

namespace data_files {

void noticeSaveFailed(Asker& asker, const QString& name) {
    asker.ask(QStringLiteral("「%1」を保存できませんでした。").arg(name), Asker::Notice,
              QStringLiteral("保存できません"));
}

} // namespace data_files
