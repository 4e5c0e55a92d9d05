#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class KnockoutStage;

// One tie of the bracket: both teams with their goals in each game, the winner in bold, and a
// line for the aggregate, extra time and penalties. It takes the focus, so that a screen reader
// and the keyboard reach every tie; Enter or a double-click asks for its result, and the arrow
// keys ask to go to a neighbouring tie.
class TieBox : public QWidget
{
    Q_OBJECT

public:
    TieBox(const QString& code, QWidget* parent = nullptr);

    QString code() const { return m_code; }
    void showTie(const KnockoutStage& stage);
    // The size every box of a bracket takes: room for the longest of `names` and `games` scores.
    static QSize boxSize(const QFont& font, const QStringList& names, int games);

signals:
    void opened(const QString& code);
    void stepRequested(const QString& code, int key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Line
    {
        QString name;
        QStringList goals;
        bool winner = false;
    };
    QString m_code;
    Line m_first;
    Line m_second;
    QString m_note;
};
