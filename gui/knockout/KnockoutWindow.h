#pragma once

#include <QWidget>

class BracketView;
class QScrollArea;
class TournamentDocument;

// The "Knockout" window: the document's knockout stage as a bracket, kept up to date with every
// change and every undo. A tie's result is entered from its box.
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

private:
    TournamentDocument* m_document = nullptr;
    QScrollArea* m_scrollArea = nullptr;
    BracketView* m_bracket = nullptr;
};
