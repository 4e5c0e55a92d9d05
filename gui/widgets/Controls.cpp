#include "gui/widgets/Controls.h"

#include "gui/widgets/Twips.h"

#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <algorithm>
#include <array>

namespace {

// QPushButton draws one line only; the tall and narrow buttons at a window's edge need more.
class WrappedTextButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QString caption = option.text;
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        const QRect textArea = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
        if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this))
            flags |= Qt::TextHideMnemonic;
        painter.drawItemText(textArea, flags, option.palette, isEnabled(), caption, QPalette::ButtonText);
    }
};

// Alt with a letter is an access key, never text: a field that typed it ("1r") would keep the
// key from the button it names, which the window presses once the field lets the key go on.
class TextField : public QLineEdit
{
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const Qt::KeyboardModifiers modifiers = event->modifiers();
        if ((modifiers & Qt::AltModifier) && !(modifiers & (Qt::ControlModifier | Qt::MetaModifier))
            && !event->text().isEmpty() && event->text().front().isPrint()) {
            event->ignore();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
};

// The list's rows are all alike (one measured row serves for thousands), so the row this delegate
// answers for carries the width of the widest line.
class LineRowDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QSize measured = QStyledItemDelegate::sizeHint(option, index);
        const int margins = 2 * (option.widget ? option.widget->style()->pixelMetric(QStyle::PM_FocusFrameVMargin) : 1);
        return QSize(std::max(measured.width(), m_width),
                     std::max(measured.height(), option.fontMetrics.lineSpacing() + margins));
    }

    int width() const { return m_width; }
    void setWidth(int width) { m_width = width; }

private:
    int m_width = 0;
};

LineRowDelegate* rowDelegate(QListView* list)
{
    return dynamic_cast<LineRowDelegate*>(list->itemDelegate());
}

// The margins the style draws on either side of an item's text.
int textMargins(const QListView* list)
{
    return 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
}

int lineWidth(const QListView* list, const QString& line)
{
    return list->fontMetrics().horizontalAdvance(line) + textMargins(list);
}

void applyWidth(QListView* list, LineRowDelegate* delegate, int width)
{
    if (width == delegate->width())
        return;
    delegate->setWidth(width);
    // The view keeps the size of the row it measured; it measures again on a new layout.
    list->doItemsLayout();
}

// Every control carries the name tests find it by and the name a screen reader announces.
template <typename Control>
Control* named(Control* control, QAnyStringView objectName, const QString& accessibleName)
{
    control->setObjectName(objectName);
    control->setAccessibleName(accessibleName);
    return control;
}

} // namespace

QPushButton* makeButton(QWidget* parent, QAnyStringView objectName, const QString& caption,
                        const QString& accessibleName, ButtonText text)
{
    auto* button
        = named(text == ButtonText::Wrapped ? new WrappedTextButton(caption, parent) : new QPushButton(caption, parent),
                objectName, accessibleName);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* makeTextField(QWidget* parent, QAnyStringView objectName, const QString& text, const QString& accessibleName)
{
    return named(new TextField(text, parent), objectName, accessibleName);
}

QLineEdit* makeShownField(QWidget* parent, QAnyStringView objectName, const QString& accessibleName)
{
    QLineEdit* field = makeTextField(parent, objectName, QString(), accessibleName);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    return field;
}

QLabel* makeLabel(QWidget* parent, QAnyStringView objectName, const QString& caption, const QString& accessibleName)
{
    return named(new QLabel(caption, parent), objectName, accessibleName.isEmpty() ? caption : accessibleName);
}

QRadioButton* makeOption(QWidget* parent, QAnyStringView objectName, const QString& caption,
                         const QString& accessibleName)
{
    return named(new QRadioButton(caption, parent), objectName, accessibleName);
}

QListView* makeList(QWidget* parent, QAnyStringView objectName, QStringListModel* model, const QString& accessibleName)
{
    QListView* list = named(new QListView(parent), objectName, accessibleName);
    list->setModel(model);
    // Uniform rows let the view skip measuring every line: a full list of 32767 shows at once.
    list->setUniformItemSizes(true);
    list->setItemDelegate(new LineRowDelegate(list));
    list->setTextElideMode(Qt::ElideNone);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

void fitListToLines(QListView* list, const QStringList& lines)
{
    LineRowDelegate* delegate = rowDelegate(list);
    if (!delegate)
        return;
    // Shaping tens of thousands of lines would take longer than building them. Summing each
    // character's advance is fast and errs, if anything, on the wide side; the line it finds
    // widest is then measured exactly.
    const QFontMetrics metrics = list->fontMetrics();
    std::array<int, 256> advances;
    advances.fill(-1);
    const auto advance = [&](QChar c) {
        if (c.unicode() >= advances.size())
            return metrics.horizontalAdvance(c);
        int& known = advances[c.unicode()];
        if (known < 0)
            known = metrics.horizontalAdvance(c);
        return known;
    };
    int widestSum = 0;
    const QString* widestLine = nullptr;
    for (const QString& line : lines) {
        int sum = 0;
        for (QChar c : line)
            sum += advance(c);
        if (sum > widestSum) {
            widestSum = sum;
            widestLine = &line;
        }
    }
    if (!widestLine) {
        applyWidth(list, delegate, 0);
        return;
    }
    applyWidth(list, delegate, std::max(lineWidth(list, *widestLine), widestSum + textMargins(list)));
}

void fitListToLine(QListView* list, const QString& line)
{
    if (LineRowDelegate* delegate = rowDelegate(list))
        applyWidth(list, delegate, std::max(delegate->width(), lineWidth(list, line)));
}

void placeInTwips(QWidget* control, double left, double top, double width, double height)
{
    control->setGeometry(twipsToPixels(qRound(left)), twipsToPixels(qRound(top)), twipsToPixels(qRound(width)),
                         twipsToPixels(qRound(height)));
}

int selectedRow(const QAbstractItemView* list)
{
    const QModelIndex current = list->selectionModel()->currentIndex();
    return current.isValid() && list->selectionModel()->isSelected(current) ? current.row() : -1;
}
