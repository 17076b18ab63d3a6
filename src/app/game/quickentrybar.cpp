#include "app/game/quickentrybar.h"

#include "app/common/nightcolors.h"
#include "gameflow/gameflow.h"
#include "qtbase/qtext.h"
#include "script/quickentry.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRegularExpression>

namespace yardmark {

QuickEntryBar::QuickEntryBar(GameFlow &flow, QuickEntryRunner &runner, QWidget *parent)
    : QWidget(parent), m_flow(flow), m_runner(runner)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(QStringLiteral("Quick E&ntry:"));
    m_line = new QLineEdit;
    m_line->setObjectName(QStringLiteral("quickEntry"));
    m_line->setPlaceholderText(QStringLiteral("r 22 7 · p 12>88 15 · pu 9 to v30 fc · fg 4 good · F1 for all forms"));
    label->setBuddy(m_line);
    m_message = new QLabel;
    m_message->setObjectName(QStringLiteral("quickEntryMessage"));
    m_message->setTextFormat(Qt::PlainText);
    layout->addWidget(label);
    layout->addWidget(m_line, 2);
    layout->addWidget(m_message, 3);

    connect(m_line, &QLineEdit::returnPressed, this, &QuickEntryBar::enter);
    connect(m_line, &QLineEdit::textEdited, this, [this](const QString &text) {
        const QString last = text.section(QLatin1Char(' '), -1).remove(QRegularExpression(QStringLiteral("^[a-z]+")));
        bool digits = !last.isEmpty();
        for (QChar c : last)
            digits = digits && c.isDigit();
        showHint(digits ? toQString(quickEntryPlayerHint(m_flow.game(), fromQString(last))) : QString());
    });
}

QString QuickEntryBar::message() const
{
    return m_message->text();
}

void QuickEntryBar::showHint(const QString &text)
{
    showMessage(text, false);
}

void QuickEntryBar::showMessage(const QString &text, bool error)
{
    m_showsError = error;
    // Only the text's colour is set: every other colour follows the window's.
    QPalette colours;
    if (error)
        colours.setColor(QPalette::WindowText, errorTextColor(palette()));
    m_message->setPalette(colours);
    m_message->setText(text);
}

void QuickEntryBar::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Night colours on or off: a reason on screen takes the red that reads on the new colours.
    if (event->type() == QEvent::PaletteChange && m_showsError)
        showMessage(m_message->text(), true);
}

void QuickEntryBar::enter()
{
    const QuickEntryOutcome outcome = m_runner.run(m_flow, fromQString(m_line->text()));
    if (!outcome.error.empty()) {
        // The line stays for correction; nothing was recorded.
        showMessage(toQString(outcome.error), true);
        return;
    }
    if (!outcome.recorded) {
        showMessage(QStringLiteral("Nothing recorded: the dialog was cancelled"), false);
        return;
    }
    QString text = m_flow.playList().empty() ? QString() : toQString(m_flow.playList().back());
    for (const std::string &note : outcome.notes)
        text += QStringLiteral(" — ") + toQString(note);
    showMessage(text, false);
    m_line->clear();
}

} // namespace yardmark
