#include "ui/Controls.h"

#include "ui/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QStyleOptionButton>
#include <QStylePainter>

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

} // namespace

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, const QString& accessibleName,
                        ButtonText text)
{
    auto* button
        = text == ButtonText::Wrapped ? new WrappedTextButton(caption, parent) : new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(accessibleName);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* makeTextField(QWidget* parent, const QString& name, const QString& text, const QString& accessibleName)
{
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(name);
    field->setAccessibleName(accessibleName);
    return field;
}

QLineEdit* makeShownField(QWidget* parent, const QString& name, const QString& accessibleName)
{
    QLineEdit* field = makeTextField(parent, name, QString(), accessibleName);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    return field;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, const QString& accessibleName)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setAccessibleName(accessibleName.isEmpty() ? caption : accessibleName);
    return label;
}

QRadioButton* makeOption(QWidget* parent, const QString& name, const QString& caption, const QString& accessibleName)
{
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(name);
    option->setAccessibleName(accessibleName);
    return option;
}

QListView* makeList(QWidget* parent, const QString& name, QStringListModel* model, const QString& accessibleName)
{
    auto* list = new QListView(parent);
    list->setObjectName(name);
    list->setAccessibleName(accessibleName);
    list->setModel(model);
    // Uniform rows let the view skip measuring every line: a full list of 32767 shows at once.
    list->setUniformItemSizes(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

void placeInTwips(QWidget* control, double left, double top, double width, double height)
{
    control->setGeometry(twipsToPixels(qRound(left)), twipsToPixels(qRound(top)), twipsToPixels(qRound(width)),
                         twipsToPixels(qRound(height)));
}
