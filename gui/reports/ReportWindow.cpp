#include "gui/reports/ReportWindow.h"

#include "core/common/FullStop.h"
#include "core/reports/ReportExport.h"
#include "core/reports/ReportFile.h"
#include "core/reports/ReportRtf.h"
#include "core/reports/TaggedReportFile.h"
#include "core/tournament/Tournament.h"
#include "gui/widgets/BusyWindow.h"
#include "gui/widgets/CenterForm.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/FileDialogs.h"
#include "gui/widgets/Prompts.h"
#include "gui/widgets/Twips.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTextDocument>

namespace {

constexpr int kClientWidth = 8175;
constexpr int kClientHeight = 6240;
constexpr int kButtonTop = 5640;
constexpr int kButtonHeight = 375;
constexpr double kPrintMarginMm = 25.0;

const QString kSaveTitle = QStringLiteral("Save Report ...");

// The report's columns only line up in a face whose characters are all as wide.
QFont reportFont()
{
    QFont font(QStringLiteral("Courier"), 10);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

} // namespace

frmReport::frmReport(const QString& text, QWidget* parent)
    : QDialog(parent)
    , m_text(text)
{
    setObjectName(QStringLiteral("frmReport"));
    setWindowTitle(QStringLiteral("Report"));
    setModal(true);
    buildControls();
    Form_Load();
}

void frmReport::buildControls()
{
    RText1 = new QPlainTextEdit(this);
    RText1->setObjectName(QStringLiteral("RText1"));
    RText1->setAccessibleName(QStringLiteral("Report"));
    RText1->setReadOnly(true);
    RText1->setLineWrapMode(QPlainTextEdit::NoWrap);
    RText1->setFont(reportFont());
    RText1->setPlainText(QString(m_text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    placeInTwips(RText1, 135, 105, 7935, 5430);

    // Made in the order the Tab key visits them.
    cmdSave = makeButton(this, QStringLiteral("cmdSave"), QStringLiteral("&Save RTF"), QStringLiteral("Save RTF"));
    cmdClose = makeButton(this, QStringLiteral("cmdClose"), QStringLiteral("C&lose"), QStringLiteral("Close"));
    cmdCopy = makeButton(this, QStringLiteral("cmdCopy"), QStringLiteral("&Copy"), QStringLiteral("Copy"));
    cmdSaveExcel
        = makeButton(this, QStringLiteral("cmdSaveExcel"), QStringLiteral("Save E&xcel"), QStringLiteral("Save Excel"));
    cmdSaveHTML
        = makeButton(this, QStringLiteral("cmdSaveHTML"), QStringLiteral("Save &HTML"), QStringLiteral("Save HTML"));
    cmdPrintReport
        = makeButton(this, QStringLiteral("cmdPrintReport"), QStringLiteral("&Print"), QStringLiteral("Print"));
    placeInTwips(cmdSave, 150, kButtonTop, 1185, kButtonHeight);
    placeInTwips(cmdCopy, 1440, kButtonTop, 1215, kButtonHeight);
    placeInTwips(cmdSaveExcel, 2760, kButtonTop, 1215, kButtonHeight);
    placeInTwips(cmdSaveHTML, 4080, kButtonTop, 1215, kButtonHeight);
    placeInTwips(cmdPrintReport, 5400, kButtonTop, 1095, kButtonHeight);
    placeInTwips(cmdClose, 6960, kButtonTop, 1095, kButtonHeight);

    connect(cmdSave, &QPushButton::clicked, this, &frmReport::cmdSave_Click);
    connect(cmdCopy, &QPushButton::clicked, this, &frmReport::cmdCopy_Click);
    connect(cmdSaveExcel, &QPushButton::clicked, this, &frmReport::cmdSaveExcel_Click);
    connect(cmdSaveHTML, &QPushButton::clicked, this, &frmReport::cmdSaveHTML_Click);
    connect(cmdPrintReport, &QPushButton::clicked, this, &frmReport::cmdPrintReport_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmReport::cmdClose_Click);
    setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
}

void frmReport::Form_Load()
{
    CenterForm(this);
    RText1->moveCursor(QTextCursor::Start);
    cmdClose->setFocus();
}

QString frmReport::askSavePath(const QString& description, const QString& pattern)
{
    const QString path = ShowSaveDialog(kSaveTitle, fileFilter({ { description, pattern } }));
    if (path.isEmpty())
        return QString();
    // Yes would replace the old file, so Enter answers No.
    if (QFileInfo::exists(path)
        && !Prompts::ask(QStringLiteral("File Exists.  Overwrite ?"), QStringLiteral("Save File"), Prompts::Answer::No))
        return QString();
    return path;
}

void frmReport::refuseSave(const QString& reason)
{
    Prompts::refuse(QStringLiteral("An Error has occurred\r\r") + withFullStop(reason), QStringLiteral("ERROR!"));
}

void frmReport::cmdSave_Click()
{
    const QString path = askSavePath(QStringLiteral("RTF Files (*.rtf)"), QStringLiteral("*.rtf"));
    QString error;
    if (!path.isEmpty() && !saveReportFile(reportRtf(m_text), path, &error))
        refuseSave(error);
}

// The exports read the tagged file the report was built with, not the view.
void frmReport::cmdSaveExcel_Click()
{
    const QString path = askSavePath(kWorkbookFilter, QStringLiteral("*.xlsx"));
    if (path.isEmpty())
        return;
    BusyWindow busy(this);
    QStringList lines;
    QString error;
    if (!readTaggedReportFile(ReportTempPath, &lines, &error) || !saveWorkbook(lines, path, &error)) {
        busy.done();
        refuseSave(error);
    }
}

void frmReport::cmdSaveHTML_Click()
{
    const QString path = askSavePath(kHtmlFilter, QStringLiteral("*.htm"));
    QStringList lines;
    QString error;
    if (!path.isEmpty()
        && (!readTaggedReportFile(ReportTempPath, &lines, &error) || !saveReportFile(exportHtml(lines), path, &error)))
        refuseSave(error);
}

void frmReport::cmdCopy_Click()
{
    QGuiApplication::clipboard()->setText(RText1->toPlainText());
}

void frmReport::cmdPrintReport_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!Prompts::choosePrinter(&printer))
        return;
    printer.setPageMargins(QMarginsF(kPrintMarginMm, kPrintMarginMm, kPrintMarginMm, kPrintMarginMm),
                           QPageLayout::Millimeter);
    // Two empty lines above the report, in the report's own face, on whatever paper was chosen.
    QTextDocument document;
    document.setDefaultFont(reportFont());
    document.setPlainText(QStringLiteral("\n\n") + RText1->toPlainText());
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error) {
        const QString where = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        Prompts::refuse(QStringLiteral("The report could not be printed on %1.").arg(where), QStringLiteral("ERROR!"));
    }
}

void frmReport::cmdClose_Click()
{
    accept();
}

void frmReport::done(int result)
{
    // Close, Escape and the close box alike: the tagged file holds tournament data and serves no one
    // once the report is gone.
    deleteTaggedReportFile(ReportTempPath);
    QDialog::done(result);
}
