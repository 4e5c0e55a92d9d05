#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// Shows one report, a results report or a fixture list, modally: the fixed-column text in a
// fixed-pitch face, ready to be printed, copied or saved as RTF. ReportTempPath names the report's
// tagged file; however the window closes, the file goes with it.
class frmReport : public QDialog
{
    Q_OBJECT

public:
    // `text` is the report text with CR LF between its lines.
    explicit frmReport(const QString& text, QWidget* parent = nullptr);

public slots:
    void cmdSave_Click();
    void cmdCopy_Click();
    void cmdSaveExcel_Click();
    void cmdSaveHTML_Click();
    void cmdPrintReport_Click();
    void cmdClose_Click();

protected:
    void done(int result) override;

private:
    void buildControls();
    void Form_Load();
    // The question every saver asks first: the path chosen, or "" when the user cancels or keeps the old file.
    QString askSavePath(const QString& description, const QString& pattern);
    void refuseSave(const QString& reason);

    QString m_text;
    QPlainTextEdit* RText1 = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdSaveExcel = nullptr;
    QPushButton* cmdSaveHTML = nullptr;
    QPushButton* cmdPrintReport = nullptr;
    QPushButton* cmdClose = nullptr;
};
