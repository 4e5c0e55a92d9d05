#pragma once

#include <QAnyStringView>
#include <QString>

class QAbstractItemView;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;
class QStringListModel;
class QWidget;

// Every control a user can reach is made here, with the object name tests find it by and the
// accessible name a screen reader announces.

enum class ButtonText { OneLine, Wrapped };

// A button that never becomes the default by taking the focus, so Enter does not press it by surprise.
// A wrapped caption breaks onto several lines when it is too wide for one.
QPushButton* makeButton(QWidget* parent, QAnyStringView objectName, const QString& caption,
                        const QString& accessibleName, ButtonText text = ButtonText::OneLine);

// Alt with a letter in the field goes to the window's access keys instead of being typed.
QLineEdit* makeTextField(QWidget* parent, QAnyStringView objectName, const QString& text,
                         const QString& accessibleName);

// A field the program fills and the user only reads: it can be clicked into to copy its text,
// but the Tab key passes it by.
QLineEdit* makeShownField(QWidget* parent, QAnyStringView objectName, const QString& accessibleName);

// The accessible name is the caption unless another is given.
QLabel* makeLabel(QWidget* parent, QAnyStringView objectName, const QString& caption,
                  const QString& accessibleName = QString());

QRadioButton* makeOption(QWidget* parent, QAnyStringView objectName, const QString& caption,
                         const QString& accessibleName);

// A read-only list of one selectable line at a time over `model`. Its rows are one text line high,
// by the font's line spacing so that accents above capitals show, and no line is ever cut short:
// the list scrolls sideways instead. Whoever changes the lines tells the list their width.
QListView* makeList(QWidget* parent, QAnyStringView objectName, QStringListModel* model, const QString& accessibleName);

// Makes the list's rows as wide as the widest of `lines`, or at least as wide as `line`.
void fitListToLines(QListView* list, const QStringList& lines);
void fitListToLine(QListView* list, const QString& line);

// Places a control by a position and size given in twips.
void placeInTwips(QWidget* control, double left, double top, double width, double height);

// The list's selected row: its current row while that is selected, else -1.
int selectedRow(const QAbstractItemView* list);
