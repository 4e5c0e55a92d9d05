#pragma once

#include <QWidget>

class BracketView;
class QPushButton;
class QScrollArea;
class TournamentDocument;

// The "Knockout" window: the document's knockout stage as a bracket, kept up to date with every
// change and every undo. A tie's result is entered from its box; the buttons below the bracket make
// its report and export its calendar.
class KnockoutWindow : public QWidget
{
    Q_OBJECT

public:
    explicit KnockoutWindow(TournamentDocument* document, QWidget* parent = nullptr);

    BracketView* bracket() const { return m_bracket; }

public slots:
    void showStage();
    // The result dialog of tie `code`, and the question about later results it would change;
    // a message instead for a tie not ready to be played.
    void enterResult(const QString& code);
    // The knockout report, ready to be printed, copied and saved.
    void showReport();

signals:
    // Export Calendar was chosen: the main window writes the file and reports it in its status bar.
    void calendarExportRequested();

private:
    TournamentDocument* m_document = nullptr;
    QScrollArea* m_scrollArea = nullptr;
    BracketView* m_bracket = nullptr;
    QPushButton* m_reportButton = nullptr;
    QPushButton* m_calendarButton = nullptr;
};
