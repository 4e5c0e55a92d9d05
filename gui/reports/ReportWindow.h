#pragma once

#include "core/reports/Report.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// Shows one report, a results report or a fixture list, modally: the fixed-column text in a
// fixed-pitch face, as large as the window is made, ready to be previewed, printed, copied or saved
// as RTF, HTML or a workbook. The HTML and
// workbook exports are laid out from the report's content; its tagged file, which the window is
// handed, goes however the window closes. A report whose tagged file could not be written is shown
// all the same, and those two exports say why they do not run, as they always have.
class ReportWindow : public QDialog
{
    Q_OBJECT

public:
    // `text` is the report text with CR LF between its lines, `content` what the exports lay out;
    // `taggedFile` the path of its tagged file, or empty with the reason it could not be written in
    // `taggedFileError`.
    ReportWindow(const QString& text, const ReportContent& content, const QString& taggedFile,
                 QWidget* parent = nullptr, const QString& taggedFileError = QString());

    QString taggedFile() const { return m_taggedFile; }
    QString taggedFileError() const { return m_taggedFileError; }

public slots:
    void saveRtf();
    void copy();
    void saveExcel();
    void saveHtml();
    void print();
    // Shows the pages as print() would print them.
    void printPreview();

protected:
    void done(int result) override;

private:
    void buildControls();
    // The question every saver asks first: the path chosen, or "" when the user cancels or keeps the old file.
    QString askSavePath(const QString& description, const QString& pattern);
    void refuseSave(const QString& reason);
    // Whether the exports may run: false, after a refusal, when the tagged file could not be written.
    bool mayExport();

    QString m_text;
    ReportContent m_content;
    QString m_taggedFile;
    QString m_taggedFileError;
    QPlainTextEdit* m_reportText = nullptr;
    QPushButton* m_saveRtfButton = nullptr;
    QPushButton* m_copyButton = nullptr;
    QPushButton* m_saveExcelButton = nullptr;
    QPushButton* m_saveHtmlButton = nullptr;
    QPushButton* m_printButton = nullptr;
    QPushButton* m_printPreviewButton = nullptr;
    QPushButton* m_closeButton = nullptr;
};

class QPrinter;
class QTextDocument;

// The report laid out for `printer`'s pages, as Print prints it and Print Preview shows it: two
// empty lines above the report, in the report's own face, within margins of 25 mm on whatever
// paper was chosen.
void layOutReport(QTextDocument& document, const QString& text, QPrinter* printer);

// Writes the report's tagged file and shows the report in a report window, modally, over `over`'s
// window; the busy pointer shows while the file is written. A report that failed is refused with its
// message instead.
void showReportWindow(Report report, QWidget* over);
