#pragma once

#include <QDialog>

class QTextBrowser;

// Shows the user guide that ships beside the program.
class HelpWindow : public QDialog
{
    Q_OBJECT

public:
    explicit HelpWindow(const QString& guidePath, QWidget* parent = nullptr);

private:
    QTextBrowser* m_browser = nullptr;
};

inline const QString kHelpFileName = QStringLiteral("tabulon-help.html");
