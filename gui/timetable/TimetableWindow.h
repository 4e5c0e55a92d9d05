#pragma once

#include "core/setup/TimetableGames.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QScrollArea;
class QStackedWidget;
class TimetableView;
class TournamentDocument;

// The day's timetable: a column for each pitch, a box for each game. A game moves by mouse or by
// keyboard when the timetable's rules allow it; the day prints as a page per pitch or a sheet per team.
class TimetableWindow : public QWidget
{
    Q_OBJECT

public:
    explicit TimetableWindow(TournamentDocument* document, QWidget* parent = nullptr);

    // Moves `game` to `to` (its length kept) after checking the move; refused with the reason.
    void moveGame(const TimetableGame& game, GameSlot to);
    void showTimetable();

private:
    enum class Sheets { PerPitch, PerTeam };
    void shiftGame(const TimetableGame& game, int minutes, int pitches);
    void highlightTeam();
    Sheets chosenSheets() const;
    void printPreview();
    void saveAsPdf();
    void printSheets(QPrinter* printer);

    TournamentDocument* m_document = nullptr;
    QStackedWidget* m_pages = nullptr;
    QLabel* m_noTimetable = nullptr;
    QScrollArea* m_scrollArea = nullptr;
    TimetableView* m_view = nullptr;
    QComboBox* m_teamList = nullptr;
    QComboBox* m_sheetList = nullptr;
    QPushButton* m_previewButton = nullptr;
    QPushButton* m_pdfButton = nullptr;
    QLabel* m_keysHint = nullptr;
};
