#include "gui/knockout/TieBox.h"

#include "core/knockout/KnockoutStage.h"
#include "gui/knockout/TieDescription.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int kPadding = 6;

int scoreWidth(const QFontMetrics& metrics)
{
    return metrics.horizontalAdvance(QStringLiteral("000"));
}

QFont boldOf(QFont font)
{
    font.setBold(true);
    return font;
}

} // namespace

TieBox::TieBox(const QString& code, QWidget* parent)
    : QWidget(parent)
    , m_code(code)
{
    setObjectName(QStringLiteral("tie") + code);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

QSize TieBox::boxSize(const QFont& font, const QStringList& names, int games, int slotLines)
{
    const QFontMetrics metrics(font);
    const QFontMetrics bold(boldOf(font));
    int widest = metrics.horizontalAdvance(QStringLiteral("Winner R64-32"));
    for (const QString& name : names)
        widest = std::max(widest, bold.horizontalAdvance(name) + 2);
    return { 3 * kPadding + widest + games * scoreWidth(metrics),
             (3 + slotLines) * metrics.lineSpacing() + 2 * kPadding };
}

void TieBox::showTie(const KnockoutStage& stage, const std::optional<Timetable>& timetable)
{
    const std::optional<KnockoutTeam> winner = stage.winner(m_code);
    const auto lineOf = [&](TieSide side) {
        const std::optional<KnockoutTeam> team = stage.team(m_code, side);
        return Line { tieTeamText(stage, m_code, side), tieGoalTexts(stage, m_code, side),
                      team && winner && *team == *winner && !stage.isBye(m_code) };
    };
    m_first = lineOf(TieSide::First);
    m_second = lineOf(TieSide::Second);
    m_note = tieNoteText(stage, m_code);
    m_slots = tieSlotTexts(stage, m_code, timetable);
    setAccessibleName(tieSpokenName(stage, m_code) + tieSpokenSlots(stage, m_code, timetable));
    update();
}

void TieBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    const bool focused = hasFocus();
    painter.setPen(QPen(focused ? colours.color(QPalette::Highlight) : colours.color(QPalette::Mid), focused ? 2 : 1));
    painter.setBrush(colours.color(QPalette::Base));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));

    const QFontMetrics metrics(font());
    const int lineHeight = metrics.lineSpacing();
    const int scores = scoreWidth(metrics);
    const int nameWidth = width() - 3 * kPadding - int(std::max(m_first.goals.size(), m_second.goals.size())) * scores;
    int top = kPadding;
    for (const Line* line : { &m_first, &m_second }) {
        painter.setFont(line->winner ? boldOf(font()) : font());
        painter.setPen(colours.color(QPalette::Text));
        const QRect nameArea(kPadding, top, nameWidth, lineHeight);
        painter.drawText(nameArea, Qt::AlignLeft | Qt::AlignVCenter,
                         painter.fontMetrics().elidedText(line->name, Qt::ElideRight, nameWidth));
        int left = 2 * kPadding + nameWidth;
        for (const QString& goals : line->goals) {
            painter.drawText(QRect(left, top, scores, lineHeight), Qt::AlignRight | Qt::AlignVCenter, goals);
            left += scores;
        }
        top += lineHeight;
    }
    painter.setFont(font());
    painter.setPen(colours.color(QPalette::PlaceholderText));
    for (const QString& slot : std::as_const(m_slots)) {
        const QRect slotArea(kPadding, top, width() - 2 * kPadding, lineHeight);
        painter.drawText(slotArea, Qt::AlignLeft | Qt::AlignVCenter,
                         painter.fontMetrics().elidedText(slot, Qt::ElideRight, slotArea.width()));
        top += lineHeight;
    }
    painter.drawText(QRect(kPadding, top, width() - 2 * kPadding, lineHeight), Qt::AlignRight | Qt::AlignVCenter,
                     m_note);
}

void TieBox::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit opened(m_code);
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        emit stepRequested(m_code, event->key());
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TieBox::mouseDoubleClickEvent(QMouseEvent*)
{
    emit opened(m_code);
}

void TieBox::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void TieBox::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}
