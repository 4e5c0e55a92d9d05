#include "gui/knockout/BracketView.h"

#include "core/knockout/KnockoutStage.h"
#include "gui/knockout/TieBox.h"
#include "gui/knockout/TieDescription.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {

constexpr int kMargin = 12;
constexpr int kColumnGap = 36; // room for the lines between two rounds
constexpr int kRowGap = 12;

QString thirdPlaceHeading()
{
    return BracketView::tr("Third-place match");
}
QString championHeading()
{
    return BracketView::tr("Champion");
}

QString thirdPlaceCode()
{
    return tieCode({ 2, 1, true });
}

} // namespace

BracketView::BracketView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("bracketView"));
    m_championLabel = new QLabel(this);
    m_championLabel->setObjectName(QStringLiteral("championLabel"));
    QFont bold = m_championLabel->font();
    bold.setBold(true);
    m_championLabel->setFont(bold);
}

QList<int> BracketView::roundSizes() const
{
    QList<int> sizes;
    for (int size = m_size; size >= 2; size /= 2)
        sizes.append(size);
    return sizes;
}

void BracketView::showStage(const KnockoutStage& stage, const std::optional<Timetable>& timetable)
{
    QStringList codes = stage.tieCodes();
    codes.sort();
    if (codes != m_boxes.keys() || stage.size() != m_size) {
        qDeleteAll(m_boxes);
        m_boxes.clear();
        m_size = stage.size();
        // Made in bracket order, so that Tab runs down each round in turn.
        for (const int size : roundSizes())
            for (int number = 1; number <= size / 2; ++number) {
                const QString code = tieCode({ size, number });
                auto* box = new TieBox(code, this);
                connect(box, &TieBox::opened, this, &BracketView::tieOpened);
                connect(box, &TieBox::stepRequested, this, &BracketView::stepFrom);
                m_boxes.insert(code, box);
                box->show();
            }
        if (codes.contains(thirdPlaceCode())) {
            auto* box = new TieBox(thirdPlaceCode(), this);
            connect(box, &TieBox::opened, this, &BracketView::tieOpened);
            connect(box, &TieBox::stepRequested, this, &BracketView::stepFrom);
            m_boxes.insert(thirdPlaceCode(), box);
            box->show();
        }
    }
    m_thirdPlace = m_boxes.contains(thirdPlaceCode());

    // Every box as wide as the longest name or note needs.
    QStringList texts;
    int games = 1;
    for (const KnockoutStage::Place& place : stage.places())
        if (place)
            texts.append(place->name);
    int slotLines = 0;
    for (const QString& code : std::as_const(codes)) {
        texts.append(tieNoteText(stage, code));
        const QStringList slotTexts = tieSlotTexts(stage, code, timetable);
        texts += slotTexts;
        slotLines = std::max(slotLines, int(slotTexts.size()));
    }
    for (const int size : roundSizes())
        games = std::max(games, stage.legs(size));
    for (TieBox* box : std::as_const(m_boxes))
        box->showTie(stage, timetable);
    const std::optional<KnockoutTeam> champion = stage.champion();
    m_champion = champion ? champion->name : QString();
    m_championLabel->setText(m_champion);
    m_championLabel->setAccessibleName(championHeading() + QStringLiteral(": ")
                                       + (m_champion.isEmpty() ? tr("not known yet") : m_champion));
    m_championLabel->adjustSize();

    m_box = TieBox::boxSize(font(), texts, games, slotLines);
    const int heading = fontMetrics().lineSpacing() + 8;
    const int columns = int(roundSizes().size()) + 1;
    const int championWidth = std::max(m_championLabel->width(), fontMetrics().horizontalAdvance(championHeading()));
    const int width = 2 * kMargin + (columns - 1) * (m_box.width() + kColumnGap) + championWidth;
    const int bracketHeight = std::max(1, m_size / 2) * (m_box.height() + kRowGap);
    // The third-place match hangs below the final, which stands in the middle of the bracket.
    const int thirdPlaceBottom
        = m_thirdPlace ? bracketHeight / 2 + m_box.height() / 2 + kRowGap + heading + m_box.height() : 0;
    m_needed = QSize(width, 2 * kMargin + heading + std::max(bracketHeight, thirdPlaceBottom));
    updateGeometry();
    placeTies();
    update();
}

QRect BracketView::boxRect(const QString& code) const
{
    const TieBox* box = m_boxes.value(code);
    return box ? box->geometry() : QRect();
}

void BracketView::placeTies()
{
    if (m_size == 0)
        return;
    const QList<int> sizes = roundSizes();
    const int heading = fontMetrics().lineSpacing() + 8;
    const int columns = int(sizes.size()) + 1;
    // Any room beyond what is needed goes between the columns and the rows, and up to as much again
    // to the boxes' width.
    const int extraColumn = std::max(0, width() - m_needed.width()) / columns;
    const QSize shown(m_box.width() + std::min(m_box.width(), extraColumn / 2), m_box.height());
    const int column = m_box.width() + kColumnGap + extraColumn;
    const int extraHeight = std::max(0, height() - m_needed.height());
    const int firstTies = m_size / 2;
    const double row = m_box.height() + kRowGap + double(extraHeight) / firstTies;
    const int top = kMargin + heading;

    QVector<double> centres;
    for (int number = 1; number <= firstTies; ++number)
        centres.append(top + (number - 0.5) * row);
    for (int round = 0; round < sizes.size(); ++round) {
        if (round > 0) {
            QVector<double> next;
            for (int i = 0; i + 1 < centres.size(); i += 2)
                next.append((centres[i] + centres[i + 1]) / 2);
            centres = next;
        }
        for (int number = 1; number <= centres.size(); ++number)
            if (TieBox* box = m_boxes.value(tieCode({ sizes[round], number })))
                box->setGeometry(
                    QRect(QPoint(kMargin + round * column, int(centres[number - 1]) - shown.height() / 2), shown));
    }
    const QRect final = boxRect(tieCode({ 2, 1 }));
    if (TieBox* third = m_boxes.value(thirdPlaceCode()))
        third->setGeometry(QRect(QPoint(final.left(), final.bottom() + kRowGap + heading), shown));
    m_championLabel->move(kMargin + (columns - 1) * column, final.center().y() - m_championLabel->height() / 2);
}

void BracketView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeTies();
}

void BracketView::paintEvent(QPaintEvent*)
{
    if (m_size == 0)
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const int heading = fontMetrics().lineSpacing();
    const auto drawHeading = [&](const QString& text, int left, int bottom, int width) {
        painter.drawText(QRect(left, bottom - heading - 4, width, heading), Qt::AlignHCenter | Qt::AlignBottom, text);
    };
    const QList<int> sizes = roundSizes();
    const int top = kMargin + heading + 8;
    for (const int size : sizes) {
        const QRect first = boxRect(tieCode({ size, 1 }));
        drawHeading(shownRoundName(size), first.left(), top, first.width());
    }
    const QRect final = boxRect(tieCode({ 2, 1 }));
    if (m_thirdPlace) {
        const QRect third = boxRect(thirdPlaceCode());
        drawHeading(thirdPlaceHeading(), third.left(), third.top(), third.width());
    }
    const QRect champion = m_championLabel->geometry();
    drawHeading(championHeading(), champion.left(), champion.top(),
                std::max(champion.width(), fontMetrics().horizontalAdvance(championHeading())));

    // Each tie joins the next at its middle: out to the right, along, and in.
    QPainterPath lines;
    for (int round = 0; round + 1 < sizes.size(); ++round)
        for (int number = 1; number <= sizes[round] / 2; ++number) {
            const QRect from = boxRect(tieCode({ sizes[round], number }));
            const QRect to = boxRect(tieCode({ sizes[round + 1], (number + 1) / 2 }));
            const int middle = (from.right() + to.left()) / 2;
            lines.moveTo(from.right() + 1, from.center().y());
            lines.lineTo(middle, from.center().y());
            lines.lineTo(middle, to.center().y());
            lines.lineTo(to.left(), to.center().y());
        }
    lines.moveTo(final.right() + 1, final.center().y());
    lines.lineTo(champion.left() - 4, final.center().y());
    painter.setPen(QPen(palette().color(QPalette::Mid), 1));
    painter.drawPath(lines);
}

QString BracketView::neighbour(const QString& code, int key) const
{
    const std::optional<TieId> tie = readTieCode(code);
    if (!tie)
        return QString();
    const QString third = thirdPlaceCode();
    const QString final = tieCode({ 2, 1 });
    QString next;
    if (tie->thirdPlace) {
        if (key == Qt::Key_Up)
            next = final;
        else if (key == Qt::Key_Left)
            next = tieCode({ 4, 1 });
    } else {
        switch (key) {
        case Qt::Key_Left:
            next = tieCode({ tie->roundSize * 2, tie->number * 2 - 1 });
            break;
        case Qt::Key_Right:
            next = tie->roundSize > 2 ? tieCode({ tie->roundSize / 2, (tie->number + 1) / 2 }) : QString();
            break;
        case Qt::Key_Up:
            next = tieCode({ tie->roundSize, tie->number - 1 });
            break;
        case Qt::Key_Down:
            next = code == final ? third : tieCode({ tie->roundSize, tie->number + 1 });
            break;
        default:
            break;
        }
    }
    return m_boxes.contains(next) ? next : QString();
}

void BracketView::stepFrom(const QString& code, int key)
{
    const QString next = neighbour(code, key);
    if (TieBox* box = m_boxes.value(next))
        box->setFocus(Qt::OtherFocusReason);
}
