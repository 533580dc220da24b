#include "screens/game_review_window.h"

#include "facts/font_faces.h"
#include "screens/question_review.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

constexpr QSize kSize(760, 470);
const QColor kBack(255, 128, 128); // the play screens' colour
const QColor kListBack(0, 0, 128);
const QColor kMistakeBack(150, 20, 40);

QFont mincho(int pointSize) {
    QFont font(font_faces::kScreenFace.toString());
    font.setPointSize(pointSize);
    return font;
}

} // namespace

GameReviewWindow::GameReviewWindow(const GameState& state, const SharedState& shared,
                                   QWidget* playScreen)
    : QWidget(playScreen, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Review"));
    setWindowTitle(QStringLiteral("ふりかえり"));
    // The play screen waits under it, its timers running; no nested event loop.
    setWindowModality(Qt::WindowModal);
    setFixedSize(kSize);
    setFont(mincho(11));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBack);
    setPalette(pal);
    setAutoFillBackground(true);

    auto* summary = new QLabel(this);
    summary->setObjectName(QStringLiteral("ReviewSummary"));
    summary->setFont(mincho(13));
    summary->setText(QStringLiteral("正解 %1 問・まちがい %2 問（正解率 %3 %）")
                         .arg(state.correctCount)
                         .arg(state.wrongCount)
                         .arg(state.score));

    m_rows = new QListWidget(this);
    m_rows->setObjectName(QStringLiteral("ReviewList"));
    m_rows->setAccessibleName(QStringLiteral("全問のふりかえり"));
    m_rows->setWordWrap(true);
    m_rows->setSelectionMode(QAbstractItemView::SingleSelection);
    QPalette listPalette = m_rows->palette();
    listPalette.setColor(QPalette::Base, kListBack);
    listPalette.setColor(QPalette::Text, Qt::white);
    m_rows->setPalette(listPalette);
    fillRows(state, shared);

    m_mistakesOnly = new QCheckBox(QStringLiteral("まちがえた問題だけ(&M)"), this);
    m_mistakesOnly->setObjectName(QStringLiteral("MistakesOnly"));
    connect(m_mistakesOnly, &QCheckBox::toggled, this, &GameReviewWindow::showMistakesOnly);

    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("CloseReview"));
    close->setAccessibleDescription(QStringLiteral("ふりかえりを閉じて、ゲームの画面に戻ります"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_mistakesOnly);
    bottom->addStretch();
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(m_rows);
    layout->addLayout(bottom);

    setTabOrder(m_rows, m_mistakesOnly);
    setTabOrder(m_mistakesOnly, close);
    m_rows->setFocus(Qt::OtherFocusReason);
    move(playScreen->geometry().center() - rect().center());
}

void GameReviewWindow::fillRows(const GameState& state, const SharedState& shared) {
    for (const QuestionRecord& record : state.records) {
        if (record.question == 0)
            continue;
        const QString line = question_review::describe(record, shared);
        auto* row = new QListWidgetItem(line, m_rows);
        // The pointer shows a row cut short in full; screen readers read the row's text.
        row->setToolTip(line);
        row->setData(Qt::UserRole, record.right);
        if (!record.right)
            row->setBackground(kMistakeBack);
    }
    m_rows->setCurrentRow(0);
}

void GameReviewWindow::showMistakesOnly(bool only) {
    for (int i = 0; i < m_rows->count(); ++i) {
        QListWidgetItem* row = m_rows->item(i);
        row->setHidden(only && row->data(Qt::UserRole).toBool());
    }
    // The current row stays one the player can see.
    QListWidgetItem* current = m_rows->currentItem();
    if (current && current->isHidden()) {
        for (int i = 0; i < m_rows->count(); ++i)
            if (!m_rows->item(i)->isHidden()) {
                m_rows->setCurrentRow(i);
                break;
            }
    }
}

void GameReviewWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    Q_EMIT closed();
}
