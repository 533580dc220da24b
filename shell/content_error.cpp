#include "shell/content_error.h"

QString ContentError::message() const {
    return QStringLiteral("ゲームのデータに問題があるため終了します。\n\nファイル: %1\n問題: %2")
        .arg(m_file, m_fault);
}
