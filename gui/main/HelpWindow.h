#pragma once

#include <QWidget>

class QTextBrowser;

// Shows the user guide that ships beside the program, in a window of its own that stays open
// beside the program while it is used.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(const QString& guidePath, QWidget* parent = nullptr);

private:
    QTextBrowser* m_browser = nullptr;
};

inline const QString kHelpFileName = QStringLiteral("tabulon-help.html");
