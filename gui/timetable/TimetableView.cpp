#include "gui/timetable/TimetableView.h"

#include "core/setup/MoveCheck.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QResizeEvent>

namespace {

constexpr int kPixelsPerMinute = 2;
constexpr int kTimeColumn = 56;
constexpr int kNarrowestPitch = 190; // a pitch's column grows with the window, never below this
constexpr int kHeadHeight = 26;      // the pitches' names
constexpr int kDayHeight = 30;       // the day's date above its hours
constexpr int kSnapMinutes = 5;
const char* const kGameMime = "application/x-tabulon-timetable-game";

} // namespace

GameBox::GameBox(const TimetableGame& game, const QString& pitchName, QWidget* parent)
    : QFrame(parent)
    , m_game(game)
{
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("%1 %2: %3, %4 v %5")
                          .arg(minuteText(game.slot.start), pitchName, shownStage(game), game.homeName, game.awayName));
    if (!game.score.isEmpty())
        setAccessibleDescription(tr("Score %1").arg(game.score));
    setToolTip(tr("Drag to another time or pitch, or press Ctrl with an arrow key: Up and Down move the game "
                  "5 minutes, Left and Right to the next pitch."));
}

void GameBox::setColour(const QColor& colour)
{
    m_colour = colour;
    update();
}

void GameBox::setHighlight(bool highlighted, bool faded)
{
    m_highlighted = highlighted;
    m_faded = faded;
    update();
}

void GameBox::keyPressEvent(QKeyEvent* event)
{
    const bool moving = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int step = event->key() == Qt::Key_Up ? -1 : 1;
        if (moving)
            emit moveRequested(m_game, step * kSnapMinutes, 0);
        else
            emit neighbourRequested(this, step);
        return;
    }
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int step = event->key() == Qt::Key_Left ? -1 : 1;
        if (moving)
            emit moveRequested(m_game, 0, step);
        else
            emit neighbourRequested(this, step);
        return;
    }
    default:
        QFrame::keyPressEvent(event);
    }
}

void GameBox::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    m_pressAt = event->position().toPoint();
}

void GameBox::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton)
        || (event->position().toPoint() - m_pressAt).manhattanLength() < QApplication::startDragDistance())
        return;
    auto* mime = new QMimeData;
    // Where in the box it was taken, so that the drop places the box's top, not the pointer.
    mime->setData(QLatin1String(kGameMime), QByteArray::number(m_pressAt.y()));
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->setPixmap(grab());
    drag->setHotSpot(m_pressAt);
    const QPointer<GameBox> self(this);
    drag->exec(Qt::MoveAction);
    if (self)
        emit dragFinished();
}

void GameBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QColor fill = m_colour;
    if (m_faded)
        fill = fill.lighter(125);
    painter.fillRect(rect(), fill);
    const bool focused = hasFocus();
    painter.setPen(
        QPen(focused ? palette().color(QPalette::Highlight) : QColor(Qt::black), m_highlighted || focused ? 3 : 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(m_faded ? QColor(Qt::darkGray) : QColor(Qt::black));
    QString teams = m_game.homeName + QStringLiteral(" v ") + m_game.awayName;
    if (!m_game.score.isEmpty())
        teams += QStringLiteral("  ") + m_game.score;
    QFont font = painter.font();
    font.setBold(m_highlighted);
    painter.setFont(font);
    // Each line shortened to the box's width rather than wrapped out of sight; the whole text is the
    // box's accessible name and tooltip.
    const QRect text = rect().adjusted(4, 2, -4, -2);
    const QFontMetrics metrics(font);
    const QString lines[] = { minuteText(m_game.slot.start) + QLatin1Char(' ') + shownStage(m_game), teams };
    int y = text.top();
    for (const QString& line : lines) {
        if (y + metrics.height() > text.bottom() + 2)
            break;
        painter.drawText(QRect(text.left(), y, text.width(), metrics.height()), Qt::AlignLeft | Qt::AlignTop,
                         metrics.elidedText(line, Qt::ElideRight, text.width()));
        y += metrics.height();
    }
}

TimetableView::TimetableView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("timetableView"));
    setAcceptDrops(true);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

int TimetableView::dayTop(int day) const
{
    return kHeadHeight + day * (kDayHeight + (m_settings.hours.to - m_settings.hours.from) * kPixelsPerMinute)
        + kDayHeight;
}

int TimetableView::pitchLeft(int pitch) const
{
    return kTimeColumn + pitch * m_pitchColumn;
}

QSize TimetableView::sizeHint() const
{
    return { kTimeColumn + int(m_settings.pitches.size()) * kNarrowestPitch + 8, dayTop(int(m_settings.days.size())) };
}

void TimetableView::pinHeads(int top)
{
    m_headTop = top;
    for (QLabel* head : std::as_const(m_labels)) {
        head->move(head->x(), top);
        head->raise();
    }
}

void TimetableView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOutColumns();
}

// The pitches share the width the window gives them.
void TimetableView::layOutColumns()
{
    const int pitches = qMax(1, int(m_settings.pitches.size()));
    m_pitchColumn = qMax(kNarrowestPitch, (width() - kTimeColumn - 8) / pitches);
    for (int pitch = 0; pitch < m_labels.size(); ++pitch)
        m_labels.at(pitch)->setGeometry(pitchLeft(pitch), m_headTop, m_pitchColumn, kHeadHeight);
    for (GameBox* box : std::as_const(m_boxes)) {
        const GameSlot& slot = box->game().slot;
        const int day = int(m_settings.days.indexOf(slot.date));
        const int top = dayTop(day) + (slot.start - m_settings.hours.from) * kPixelsPerMinute;
        box->setGeometry(pitchLeft(slot.pitch) + 2, top, m_pitchColumn - 4,
                         qMax(16, (slot.end - slot.start) * kPixelsPerMinute));
    }
    for (QLabel* head : std::as_const(m_labels))
        head->raise();
    update();
}

void TimetableView::showGames(const TimetableSettings& settings, const QVector<TimetableGame>& games)
{
    // A box may be asking for its own move right now: it goes once that is over.
    for (GameBox* box : std::as_const(m_boxes)) {
        box->hide();
        box->deleteLater();
    }
    qDeleteAll(m_labels);
    m_boxes.clear();
    m_labels.clear();
    m_settings = settings;
    for (int pitch = 0; pitch < settings.pitches.size(); ++pitch) {
        auto* head = new QLabel(settings.pitches.at(pitch), this);
        head->setObjectName(QStringLiteral("pitchHead%1").arg(pitch + 1));
        head->setAlignment(Qt::AlignCenter);
        head->setAutoFillBackground(true);
        head->setBackgroundRole(QPalette::Window);
        head->show();
        m_labels.append(head);
    }
    // Readable light colours, one a group; the knockout games are gold.
    static const QColor groupColours[]
        = { QColor(0xa6, 0xce, 0xe3), QColor(0xb2, 0xdf, 0x8a), QColor(0xfb, 0x9a, 0x99), QColor(0xca, 0xb2, 0xd6),
            QColor(0xfd, 0xbf, 0x6f), QColor(0x8d, 0xd3, 0xc7), QColor(0xd9, 0xd9, 0xd9), QColor(0xcc, 0xeb, 0xc5) };
    const QColor knockoutColour(0xff, 0xe0, 0x66);
    for (const TimetableGame& game : games) {
        const int day = int(settings.days.indexOf(game.slot.date));
        if (day < 0 || game.slot.pitch < 0 || game.slot.pitch >= settings.pitches.size())
            continue;
        auto* box = new GameBox(game, settings.pitches.at(game.slot.pitch), this);
        box->setObjectName(game.isKnockout() ? QStringLiteral("game_%1_%2").arg(game.tie).arg(game.leg)
                                             : QStringLiteral("game_%1_%2").arg(game.group).arg(game.position + 1));
        box->setColour(game.isKnockout() ? knockoutColour : groupColours[(game.group - 1) % 8]);
        connect(box, &GameBox::moveRequested, this, &TimetableView::moveRequested);
        connect(box, &GameBox::dragFinished, this, [this] {
            if (const auto drop = std::exchange(m_drop, std::nullopt))
                emit dropRequested(drop->first, drop->second);
        });
        connect(box, &GameBox::neighbourRequested, this, [this](GameBox* from, int step) {
            const int at = int(m_boxes.indexOf(from)) + step;
            if (at >= 0 && at < m_boxes.size())
                m_boxes.at(at)->setFocus(Qt::OtherFocusReason);
        });
        box->show();
        m_boxes.append(box);
    }
    // The boxes are made in time order, and Tab follows it.
    for (int i = 1; i < m_boxes.size(); ++i)
        setTabOrder(m_boxes.at(i - 1), m_boxes.at(i));
    setMinimumSize(sizeHint());
    updateGeometry();
    layOutColumns();
}

void TimetableView::highlightTeam(const QString& team)
{
    for (GameBox* box : std::as_const(m_boxes)) {
        const bool plays = !team.isEmpty() && (box->game().homeName == team || box->game().awayName == team);
        box->setHighlight(plays, !team.isEmpty() && !plays);
    }
}

std::optional<GameSlot> TimetableView::slotAt(const QPoint& at) const
{
    const int dayLength = (m_settings.hours.to - m_settings.hours.from) * kPixelsPerMinute;
    for (int day = 0; day < m_settings.days.size(); ++day) {
        const int top = dayTop(day);
        if (at.y() < top - kDayHeight || at.y() >= top + dayLength)
            continue;
        const int pitch = (at.x() - kTimeColumn) / m_pitchColumn;
        if (at.x() < kTimeColumn || pitch >= m_settings.pitches.size())
            return std::nullopt;
        const int minutes = qMax(0, at.y() - top) / kPixelsPerMinute;
        // Snapped to the nearest 5 minutes.
        const int start = m_settings.hours.from + (minutes + kSnapMinutes / 2) / kSnapMinutes * kSnapMinutes;
        GameSlot slot;
        slot.date = m_settings.days.at(day);
        slot.start = start;
        slot.pitch = pitch;
        return slot;
    }
    return std::nullopt;
}

void TimetableView::dragEnterEvent(QDragEnterEvent* event)
{
    if (qobject_cast<GameBox*>(event->source()) && event->mimeData()->hasFormat(QLatin1String(kGameMime)))
        event->acceptProposedAction();
}

void TimetableView::dragMoveEvent(QDragMoveEvent* event)
{
    if (qobject_cast<GameBox*>(event->source()))
        event->acceptProposedAction();
}

void TimetableView::dropEvent(QDropEvent* event)
{
    auto* box = qobject_cast<GameBox*>(event->source());
    if (!box || !m_boxes.contains(box))
        return;
    const int grabbedAt = event->mimeData()->data(QLatin1String(kGameMime)).toInt();
    const std::optional<GameSlot> to = slotAt(event->position().toPoint() - QPoint(0, grabbedAt));
    event->acceptProposedAction();
    if (to)
        m_drop = std::make_pair(box->game(), *to);
}

void TimetableView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor line = palette().color(QPalette::Mid);
    const int right = pitchLeft(int(m_settings.pitches.size()));
    for (int day = 0; day < m_settings.days.size(); ++day) {
        const int top = dayTop(day);
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QRect(4, top - kDayHeight, right, kDayHeight - 8), Qt::AlignLeft | Qt::AlignTop,
                         QLocale().toString(m_settings.days.at(day), QLocale::LongFormat));
        for (const MinuteSpan& pause : m_settings.breaks)
            painter.fillRect(QRect(kTimeColumn, top + (pause.from - m_settings.hours.from) * kPixelsPerMinute,
                                   right - kTimeColumn, (pause.to - pause.from) * kPixelsPerMinute),
                             QColor(0xee, 0xee, 0xee));
        const int firstHalfHour = (m_settings.hours.from + 29) / 30 * 30;
        for (int minute = firstHalfHour; minute <= m_settings.hours.to; minute += 30) {
            const int y = top + (minute - m_settings.hours.from) * kPixelsPerMinute;
            painter.setPen(line);
            painter.drawLine(kTimeColumn, y, right, y);
            painter.setPen(palette().color(QPalette::Text));
            painter.drawText(QRect(0, y - 8, kTimeColumn - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                             minuteText(minute));
        }
    }
    painter.setPen(line);
    for (int pitch = 0; pitch <= m_settings.pitches.size(); ++pitch)
        painter.drawLine(pitchLeft(pitch), kHeadHeight, pitchLeft(pitch), height());
}
